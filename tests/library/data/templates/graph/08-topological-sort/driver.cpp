    // A graph with a single valid order, then a cycle.
    printInts(topologicalSort(adjacency(4, {{3, 1}, {1, 0}, {0, 2}, {3, 0}, {1, 2}}, false)));
    cout << (topologicalSort(adjacency(4, {{0, 1}, {1, 2}, {2, 0}}, false)).size() < 4 ? "cycle" : "no cycle") << '\n';
