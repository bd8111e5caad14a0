    // SCC count, each vertex's smallest SCC member, the first SCC found (a sink), a long ring.
    TarjanSCC scc(adjacency(6, {{0, 1}, {1, 2}, {2, 0}, {1, 3}, {3, 4}, {4, 3}, {5, 5}}, false));
    cout << scc.sccs.size() << '\n';
    vector<int> smallest;
    for (int v = 0; v < 6; v++) {
        const vector<int>& comp = scc.sccs[scc.sccId[v]];
        smallest.push_back(*min_element(comp.begin(), comp.end()));
    }
    printInts(smallest);
    cout << *min_element(scc.sccs[0].begin(), scc.sccs[0].end()) << '\n';
    vector<pair<int, int>> ring;
    for (int i = 0; i < 5000; i++) ring.push_back({i, (i + 1) % 5000});
    cout << TarjanSCC(adjacency(5000, ring, false)).sccs.size() << '\n';
