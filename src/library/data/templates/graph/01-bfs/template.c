int graph[MAX][MAX];  // 인접 행렬: graph[u][v] = 1이면 간선이 있음
int dist[MAX];        // start로부터의 거리, 도달할 수 없으면 -1

// 정점 0 ~ n-1 (1부터 쓰면 n + 1을 넘긴다)
void bfs(int start, int n) {
    int queue[MAX], front = 0, rear = 0;
    for (int i = 0; i < n; i++) dist[i] = -1;
    dist[start] = 0;
    queue[rear++] = start;
    while (front < rear) {
        int cur = queue[front++];
        for (int next = 0; next < n; next++) {
            if (graph[cur][next] && dist[next] == -1) {
                dist[next] = dist[cur] + 1;
                queue[rear++] = next;
            }
        }
    }
}