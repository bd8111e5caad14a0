typedef struct {
    int u, v, w;
} Edge;

Edge edges[MAX];
int parent[MAX];

int cmp(const void* a, const void* b) {
    int x = ((const Edge*)a)->w, y = ((const Edge*)b)->w;
    return (x > y) - (x < y);  // x - y는 오버플로가 날 수 있다
}

// 정점 0 ~ n-1, 간선 m개, 최소 신장 트리의 가중치 합을 반환
long long kruskal(int n, int m) {
    for (int i = 0; i < n; i++) parent[i] = i;
    qsort(edges, m, sizeof(Edge), cmp);
    long long total = 0;
    for (int i = 0; i < m; i++) {
        int a = edges[i].u, b = edges[i].v;
        while (parent[a] != a) {
            parent[a] = parent[parent[a]];  // 경로 압축
            a = parent[a];
        }
        while (parent[b] != b) {
            parent[b] = parent[parent[b]];
            b = parent[b];
        }
        if (a == b) continue;  // 이미 연결됨: 사이클이 생기는 간선
        parent[a] = b;
        total += edges[i].w;
    }
    return total;
}