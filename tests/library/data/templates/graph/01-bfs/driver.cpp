    vector<vector<int>> adj = adjacency(6, {{0, 1}, {0, 2}, {1, 3}, {2, 3}, {3, 4}}, true);
    printInts(bfs(adj, 0));
    printInts(bfs(adj, 5));
