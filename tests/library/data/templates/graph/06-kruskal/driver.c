    Edge g1[] = {{0, 1, 1}, {1, 2, 2}, {0, 2, 3}, {2, 3, 4}, {0, 3, -2}};
    Edge g2[] = {{0, 1, 2000000000}, {1, 2, -2000000000}, {0, 2, 1500000000}};
    Edge g3[] = {{0, 1, 5}, {2, 3, 7}};
    memcpy(edges, g1, sizeof g1);
    long long a = kruskal(4, 5);
    memcpy(edges, g2, sizeof g2);
    long long b = kruskal(3, 3);
    memcpy(edges, g3, sizeof g3);
    printf("%lld %lld %lld\n", a, b, kruskal(4, 2));
