#define INF 1e18

// C에는 우선순위 큐가 없어 O(V²)로 구현 (간선이 많으면 힙을 직접 구현해야 함)
int graph[MAX][MAX];  // graph[u][v]: u → v 간선의 가중치, 0이면 간선 없음
long long dist[MAX];  // start로부터의 최단 거리, 도달할 수 없으면 INF
bool visited[MAX];

// 정점 0 ~ n-1 (1부터 쓰면 n + 1을 넘긴다)
void dijkstra(int start, int n) {
    for (int i = 0; i < n; i++) {
        dist[i] = INF;
        visited[i] = false;
    }
    dist[start] = 0;
    for (int iter = 0; iter < n; iter++) {
        // 아직 확정되지 않은 정점 중 가장 가까운 정점을 고른다
        int u = -1;
        for (int i = 0; i < n; i++) {
            if (!visited[i] && dist[i] != INF && (u == -1 || dist[i] < dist[u])) u = i;
        }
        if (u == -1) break;  // 남은 정점은 도달할 수 없음
        visited[u] = true;
        for (int v = 0; v < n; v++) {
            if (graph[u][v] && dist[u] + graph[u][v] < dist[v]) {
                dist[v] = dist[u] + graph[u][v];
            }
        }
    }
}