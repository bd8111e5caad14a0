// adj: 인접 리스트 (정점 번호가 1부터면 크기를 n + 1로)
// start에서 각 정점까지의 최단 거리(간선 수)를 반환, 도달할 수 없으면 -1
vector<int> bfs(const vector<vector<int>>& adj, int start) {
    vector<int> dist(adj.size(), -1);
    queue<int> q;
    dist[start] = 0;
    q.push(start);
    while (!q.empty()) {
        int cur = q.front();
        q.pop();
        for (int next : adj[cur]) {
            if (dist[next] == -1) {
                dist[next] = dist[cur] + 1;
                q.push(next);
            }
        }
    }
    return dist;
}