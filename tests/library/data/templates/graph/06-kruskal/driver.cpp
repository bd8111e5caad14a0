    // Negative weight, weights whose difference overflows an int, a forest.
    cout << kruskal(4, {{0, 1, 1}, {1, 2, 2}, {0, 2, 3}, {2, 3, 4}, {0, 3, -2}}) << ' '
         << kruskal(3, {{0, 1, 2000000000}, {1, 2, -2000000000}, {0, 2, 1500000000}}) << ' '
         << kruskal(4, {{0, 1, 5}, {2, 3, 7}}) << '\n';
