// Graph builders and printers; "INF" marks an unreachable vertex in every language.
void printInts(const vector<int>& v) {
    for (size_t i = 0; i < v.size(); i++) cout << (i ? " " : "") << v[i];
    cout << '\n';
}
void printDist(const vector<long long>& d) {
    for (size_t i = 0; i < d.size(); i++) cout << (i ? " " : "") << (d[i] >= (long long)1e18 ? "INF" : to_string(d[i]));
    cout << '\n';
}
vector<vector<int>> adjacency(int n, const vector<pair<int, int>>& edges, bool undirected) {
    vector<vector<int>> adj(n);
    for (auto [u, v] : edges) {
        adj[u].push_back(v);
        if (undirected) adj[v].push_back(u);
    }
    return adj;
}
vector<vector<pair<int, int>>> weighted(int n, const vector<tuple<int, int, int>>& edges, bool undirected) {
    vector<vector<pair<int, int>>> adj(n);
    for (auto [u, v, w] : edges) {
        adj[u].push_back({v, w});
        if (undirected) adj[v].push_back({u, w});
    }
    return adj;
}
