    int e[4][3] = {{0, 1, 1}, {1, 2, 1}, {2, 0, 1}, {3, 4, 1}};
    setEdges(graph, e, 4, true);
    for (int round = 0; round < 2; round++) {
        dfs(round ? 3 : 0, 6);
        for (int i = 0; i < 6; i++) printf(i ? " %d" : "%d", visited[i]);
        printf("\n");
    }
    memset(graph, 0, sizeof graph);
    memset(visited, 0, sizeof visited);
    for (int i = 0; i + 1 < MAX; i++) graph[i][i + 1] = 1;
    dfs(0, MAX);
    int seen = 0;
    for (int i = 0; i < MAX; i++) seen += visited[i];
    puts(seen == MAX ? "deep ok" : "deep failed");
