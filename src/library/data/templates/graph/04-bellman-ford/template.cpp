const long long INF = 1e18;

// edges: {u, v, w} (u → v, 가중치 w), 정점 0 ~ n-1
// start에서 도달할 수 있는 음수 사이클이 있으면 빈 벡터를 반환, 도달할 수 없는 정점은 INF
vector<long long> bellmanFord(int n, const vector<tuple<int, int, int>>& edges, int start) {
    vector<long long> dist(n, INF);
    dist[start] = 0;
    for (int i = 0; i < n; i++) {
        for (auto [u, v, w] : edges) {
            if (dist[u] != INF && dist[u] + w < dist[v]) {
                dist[v] = dist[u] + w;
                if (i == n - 1) return {};  // n번째 반복에서도 줄어들면 음수 사이클
            }
        }
    }
    return dist;
}