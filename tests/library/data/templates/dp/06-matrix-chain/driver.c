    int a[] = {10, 20, 30, 40, 30}, b[] = {40, 20, 30, 10, 30}, c[] = {5, 10}, d[] = {2000, 2000, 2000, 2000};
    printf("%lld %lld %lld %lld\n", matrixChain(a, 4), matrixChain(b, 4), matrixChain(c, 1), matrixChain(d, 3));
