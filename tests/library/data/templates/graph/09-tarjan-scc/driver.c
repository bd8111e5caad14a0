    int e[7][3] = {{0, 1, 1}, {1, 2, 1}, {2, 0, 1}, {1, 3, 1}, {3, 4, 1}, {4, 3, 1}, {5, 5, 1}};
    setEdges(graph, e, 7, false);
    for (int v = 0; v < 6; v++)
        if (!disc[v]) dfs(v, 6);
    printf("%d\n", sccCnt);
    int smallest[6];
    for (int v = 0; v < 6; v++) {
        smallest[v] = v;
        for (int u = 0; u < v; u++)
            if (sccId[u] == sccId[v] && u < smallest[v]) smallest[v] = u;
    }
    printInts(smallest, 6);
    for (int u = 0; u < 6; u++)
        if (sccId[u] == 0) {
            printf("%d\n", u);
            break;
        }
    memset(graph, 0, sizeof graph);
    memset(disc, 0, sizeof disc);
    sccCnt = 0;
    for (int i = 0; i < MAX; i++) graph[i][(i + 1) % MAX] = 1;
    for (int v = 0; v < MAX; v++)
        if (!disc[v]) dfs(v, MAX);
    printf("%d\n", sccCnt);
