printf("%lld %lld %lld %lld %lld %lld\n", modPow(2, 10, 1000), modPow(3, 0, 7),
       modPow(2, 1000000006, 1000000007), modPow(-2, 3, 5), modPow(5, 3, 1),
       modPow(123456789, 987654321, 1000000007));
