#define INF 1e9

// dist[i][j]를 간선 가중치(없으면 INF, i == j면 0)로 채운 뒤 호출
// 최단 거리가 INF보다 커질 수 있으면 long long과 더 큰 INF를 쓴다
int dist[MAX][MAX];

void floydWarshall(int n) {
    for (int k = 0; k < n; k++) {
        for (int i = 0; i < n; i++) {
            if (dist[i][k] == INF) continue;
            for (int j = 0; j < n; j++) {
                if (dist[k][j] != INF && dist[i][k] + dist[k][j] < dist[i][j]) {
                    dist[i][j] = dist[i][k] + dist[k][j];
                }
            }
        }
    }
}