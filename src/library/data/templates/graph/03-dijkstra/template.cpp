const long long INF = 1e18;

// adj[u] = {v, w}: u에서 v로 가는 가중치 w(0 이상)의 간선
// start에서 각 정점까지의 최단 거리를 반환, 도달할 수 없으면 INF
vector<long long> dijkstra(const vector<vector<pair<int, int>>>& adj, int start) {
    vector<long long> dist(adj.size(), INF);
    // {거리, 정점}을 거리가 작은 것부터 꺼낸다
    priority_queue<pair<long long, int>, vector<pair<long long, int>>, greater<pair<long long, int>>> pq;
    dist[start] = 0;
    pq.push({0, start});
    while (!pq.empty()) {
        auto [d, cur] = pq.top();
        pq.pop();
        if (d > dist[cur]) continue;  // 이미 더 짧은 경로로 처리된 정점
        for (auto [next, w] : adj[cur]) {
            if (d + w < dist[next]) {
                dist[next] = d + w;
                pq.push({dist[next], next});
            }
        }
    }
    return dist;
}