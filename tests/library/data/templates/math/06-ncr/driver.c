precompute();
printf("%lld %lld %lld %lld %lld\n", nCr(5, 2), nCr(10, 0), nCr(10, 10), nCr(3, 5),
       nCr(1000000, 500000));
