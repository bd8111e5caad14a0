printf("%lld %lld %lld %lld\n", gcd(12, 18), lcm(4, 6), gcd(0, 5), lcm(1000000000, 999999999));
