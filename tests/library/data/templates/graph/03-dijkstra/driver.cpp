    // The second graph's distances overflow an int.
    printDist(dijkstra(weighted(6, {{0, 1, 4}, {0, 2, 1}, {2, 1, 2}, {1, 3, 1}, {2, 3, 5}, {3, 4, 3}}, false), 0));
    printDist(dijkstra(weighted(3, {{0, 1, 2000000000}, {1, 2, 2000000000}}, false), 0));
