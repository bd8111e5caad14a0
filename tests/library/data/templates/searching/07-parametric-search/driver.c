    printf("%lld %lld %lld %lld\n", parametricSearch(0, 1000000, squareAtMost1000),
           parametricSearch(0, 100, negative), parametricSearch(-5, 50, always),
           parametricSearch(-10, 10, atMostMinus3));
