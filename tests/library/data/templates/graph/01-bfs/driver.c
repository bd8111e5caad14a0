    int e[5][3] = {{0, 1, 1}, {0, 2, 1}, {1, 3, 1}, {2, 3, 1}, {3, 4, 1}};
    setEdges(graph, e, 5, true);
    bfs(0, 6);
    printInts(dist, 6);
    bfs(5, 6);
    printInts(dist, 6);
