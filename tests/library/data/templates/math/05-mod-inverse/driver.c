printf("%lld %lld\n", modInverse(3, 7), modInverse(10, 1000000007));
