#define INF 1e18

int edges[MAX][3];    // edges[i] = {u, v, w}: u → v, 가중치 w
long long dist[MAX];  // start로부터의 최단 거리, 도달할 수 없으면 INF

// 정점 0 ~ n-1, 간선 m개
// start에서 도달할 수 있는 음수 사이클이 있으면 false를 반환
bool bellmanFord(int n, int m, int start) {
    for (int i = 0; i < n; i++) dist[i] = INF;
    dist[start] = 0;
    for (int i = 0; i < n; i++) {
        for (int j = 0; j < m; j++) {
            int u = edges[j][0], v = edges[j][1], w = edges[j][2];
            if (dist[u] != INF && dist[u] + w < dist[v]) {
                dist[v] = dist[u] + w;
                if (i == n - 1) return false;  // n번째 반복에서도 줄어들면 음수 사이클
            }
        }
    }
    return true;
}