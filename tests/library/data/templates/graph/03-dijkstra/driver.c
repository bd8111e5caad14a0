    int e1[6][3] = {{0, 1, 4}, {0, 2, 1}, {2, 1, 2}, {1, 3, 1}, {2, 3, 5}, {3, 4, 3}};
    setEdges(graph, e1, 6, false);
    dijkstra(0, 6);
    printDist(dist, 6);
    int e2[2][3] = {{0, 1, 2000000000}, {1, 2, 2000000000}};
    setEdges(graph, e2, 2, false);
    dijkstra(0, 3);
    printDist(dist, 3);
