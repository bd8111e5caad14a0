    int w1[] = {6, 4, 3, 5}, v1[] = {13, 8, 6, 12}, w2[] = {1, 1}, v2[] = {2000000000, 2000000000};
    int w3[] = {2}, v3[] = {3};
    printf("%lld %lld %lld %lld\n", knapsack(w1, v1, 4, 7), knapsack(w1, v1, 4, 0), knapsack(w2, v2, 2, 2),
           knapsack(w3, v3, 1, 4));
