    int e1[5][3] = {{3, 1, 1}, {1, 0, 1}, {0, 2, 1}, {3, 0, 1}, {1, 2, 1}};
    int e2[3][3] = {{0, 1, 1}, {1, 2, 1}, {2, 0, 1}};
    setEdges(graph, e1, 5, false);
    printInts(order, topologicalSort(4));
    setEdges(graph, e2, 3, false);
    puts(topologicalSort(4) < 4 ? "cycle" : "no cycle");
