    int e1[5][3] = {{1, 2, 1}, {2, 3, 2}, {1, 3, 3}, {3, 4, 4}, {1, 4, -2}};
    int e2[3][3] = {{0, 1, 2000000000}, {1, 2, -2000000000}, {0, 2, 1500000000}};
    int e3[2][3] = {{0, 1, 5}, {2, 3, 7}};
    setEdges(graph, e1, 5, true);
    long long a = prim(5, 1);
    setEdges(graph, e2, 3, true);
    long long b = prim(3, 0);
    setEdges(graph, e3, 2, true);
    printf("%lld %lld %lld\n", a, b, prim(4, 0));
