vector<bool> visited;  // 호출 전에 visited.assign(정점 수, false)

void dfs(const vector<vector<int>>& adj, int cur) {
    visited[cur] = true;
    // cur을 방문할 때 할 일을 여기에 작성
    for (int next : adj[cur]) {
        if (!visited[next]) dfs(adj, next);
    }
}