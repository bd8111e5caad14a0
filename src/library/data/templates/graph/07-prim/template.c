#define INF 1e18

// 간단한 O(V²) 버전
int graph[MAX][MAX];     // graph[u][v]: 무방향 간선의 가중치, 0이면 간선 없음
long long minEdge[MAX];  // 트리와 정점을 잇는 가장 가벼운 간선
bool inTree[MAX];

// 정점 0 ~ n-1 (1부터 쓰면 n + 1을 넘긴다), start가 속한 최소 신장 트리의 가중치 합을 반환
long long prim(int n, int start) {
    for (int i = 0; i < n; i++) {
        minEdge[i] = INF;
        inTree[i] = false;
    }
    minEdge[start] = 0;
    long long total = 0;
    for (int iter = 0; iter < n; iter++) {
        int u = -1;
        for (int i = 0; i < n; i++) {
            if (!inTree[i] && (u == -1 || minEdge[i] < minEdge[u])) u = i;
        }
        if (minEdge[u] == INF) break;  // 남은 정점은 연결되어 있지 않음
        inTree[u] = true;
        total += minEdge[u];
        for (int v = 0; v < n; v++) {
            if (graph[u][v] && !inTree[v] && graph[u][v] < minEdge[v]) minEdge[v] = graph[u][v];
        }
    }
    return total;
}