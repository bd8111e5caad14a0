    // Numbered from 1 with start 1, weights beyond 1e9, only the start's component.
    cout << prim(weighted(5, {{1, 2, 1}, {2, 3, 2}, {1, 3, 3}, {3, 4, 4}, {1, 4, -2}}, true), 1) << ' '
         << prim(weighted(3, {{0, 1, 2000000000}, {1, 2, -2000000000}, {0, 2, 1500000000}}, true)) << ' '
         << prim(weighted(4, {{0, 1, 5}, {2, 3, 7}}, true)) << '\n';
