int parent[MAX], setSize[MAX];

void init(int n) {
    for (int i = 0; i < n; i++) {
        parent[i] = i;
        setSize[i] = 1;
    }
}

// 경로 압축
int find(int x) {
    return parent[x] == x ? x : (parent[x] = find(parent[x]));
}

// 합쳐지면 1, 이미 같은 집합이면 0 (작은 집합을 큰 집합 밑에 붙임)
int unite(int a, int b) {
    a = find(a), b = find(b);
    if (a == b) return 0;
    if (setSize[a] < setSize[b]) { int t = a; a = b; b = t; }
    parent[b] = a;
    setSize[a] += setSize[b];
    return 1;
}