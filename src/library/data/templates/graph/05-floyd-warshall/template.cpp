const long long INF = 1e18;

// dist[i][j]를 간선 가중치(없으면 INF, i == j면 0)로 채운 뒤 호출
// 여러 간선이 있으면 가장 작은 가중치만 넣는다
void floydWarshall(vector<vector<long long>>& dist) {
    int n = dist.size();
    for (int k = 0; k < n; k++)
        for (int i = 0; i < n; i++)
            for (int j = 0; j < n; j++)
                if (dist[i][k] != INF && dist[k][j] != INF)
                    dist[i][j] = min(dist[i][j], dist[i][k] + dist[k][j]);
}