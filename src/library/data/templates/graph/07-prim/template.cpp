// adj[u] = {v, w}: 무방향 그래프라 간선을 양쪽에 모두 넣는다
// start가 속한 최소 신장 트리의 가중치 합을 반환
long long prim(const vector<vector<pair<int, int>>>& adj, int start = 0) {
    vector<bool> inTree(adj.size(), false);
    // {가중치, 정점}을 가중치가 작은 것부터 꺼낸다
    priority_queue<pair<int, int>, vector<pair<int, int>>, greater<pair<int, int>>> pq;
    pq.push({0, start});
    long long total = 0;
    while (!pq.empty()) {
        auto [w, u] = pq.top();
        pq.pop();
        if (inTree[u]) continue;
        inTree[u] = true;
        total += w;
        for (auto [v, cost] : adj[u]) {
            if (!inTree[v]) pq.push({cost, v});
        }
    }
    return total;
}