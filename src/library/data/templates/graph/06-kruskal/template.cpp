struct Edge {
    int u, v, w;
};

// 정점 0 ~ n-1 (1부터 쓰면 n + 1을 넘긴다), 최소 신장 트리의 가중치 합을 반환
long long kruskal(int n, vector<Edge> edges) {
    sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) { return a.w < b.w; });
    vector<int> parent(n);
    iota(parent.begin(), parent.end(), 0);
    auto findRoot = [&](int x) {
        while (parent[x] != x) {
            parent[x] = parent[parent[x]];  // 경로 압축
            x = parent[x];
        }
        return x;
    };
    long long total = 0;
    for (const Edge& e : edges) {
        int a = findRoot(e.u), b = findRoot(e.v);
        if (a == b) continue;  // 이미 연결됨: 사이클이 생기는 간선
        parent[a] = b;
        total += e.w;
    }
    return total;
}