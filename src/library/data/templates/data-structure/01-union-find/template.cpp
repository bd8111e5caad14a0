class UnionFind {
public:
    vector<int> parent, setSize;

    UnionFind(int n) : parent(n), setSize(n, 1) {
        iota(parent.begin(), parent.end(), 0);
    }

    // 경로 압축
    int find(int x) {
        return parent[x] == x ? x : (parent[x] = find(parent[x]));
    }

    // 합쳐지면 true, 이미 같은 집합이면 false (작은 집합을 큰 집합 밑에 붙임)
    bool unite(int a, int b) {
        a = find(a), b = find(b);
        if (a == b) return false;
        if (setSize[a] < setSize[b]) swap(a, b);
        parent[b] = a;
        setSize[a] += setSize[b];
        return true;
    }
};