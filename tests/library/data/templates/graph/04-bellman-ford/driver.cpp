    // Negative edge, reachable negative cycle, unreachable negative cycle.
    for (auto [n, edges] : vector<pair<int, vector<tuple<int, int, int>>>>{
             {5, {{0, 1, 4}, {0, 2, 5}, {1, 2, -3}, {2, 3, 2}}},
             {4, {{0, 1, 1}, {1, 2, -1}, {2, 3, -1}, {3, 1, -1}}},
             {3, {{1, 2, -1}, {2, 1, -1}}}}) {
        vector<long long> d = bellmanFord(n, edges, 0);
        if (d.empty()) cout << "cycle\n";
        else printDist(d);
    }
