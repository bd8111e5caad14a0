// adj: 방향 그래프의 인접 리스트 (정점 0 ~ n-1)
// 결과의 크기가 n보다 작으면 사이클이 있다
vector<int> topologicalSort(const vector<vector<int>>& adj) {
    int n = adj.size();
    vector<int> indegree(n, 0);
    for (int u = 0; u < n; u++)
        for (int v : adj[u]) indegree[v]++;
    queue<int> q;
    for (int u = 0; u < n; u++)
        if (indegree[u] == 0) q.push(u);
    vector<int> order;
    while (!q.empty()) {
        int u = q.front();
        q.pop();
        order.push_back(u);
        for (int v : adj[u])
            if (--indegree[v] == 0) q.push(v);
    }
    return order;
}