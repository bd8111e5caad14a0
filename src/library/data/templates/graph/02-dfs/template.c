int graph[MAX][MAX];  // 인접 행렬: graph[u][v] = 1이면 간선이 있음
bool visited[MAX];

// 정점 0 ~ n-1 (1부터 쓰면 n + 1을 넘긴다)
void dfs(int cur, int n) {
    visited[cur] = true;
    for (int next = 0; next < n; next++) {
        if (graph[cur][next] && !visited[next]) dfs(next, n);
    }
}