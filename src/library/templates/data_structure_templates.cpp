#include "library/templates/category_templates.h"

using namespace Qt::StringLiterals;

QList<AlgorithmTemplate> dataStructureTemplates() {
    return {
        {u"Union-Find (분리 집합)"_s, u"집합의 합집합과 찾기 연산"_s, u"O(α(n)) ≈ O(1)"_s,
         uR"code(class UnionFind {
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
};)code"_s,
         uR"code(int parent[MAX], setSize[MAX];

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
})code"_s,
         uR"code(class UnionFind:
    def __init__(self, n):
        self.parent = list(range(n))
        self.size = [1] * n

    def find(self, x):
        # 경로 압축 (재귀 대신 반복문: 재귀 깊이 제한을 피함)
        root = x
        while self.parent[root] != root:
            root = self.parent[root]
        while self.parent[x] != root:
            self.parent[x], x = root, self.parent[x]
        return root

    def union(self, a, b):
        # 합쳐지면 True, 이미 같은 집합이면 False
        a, b = self.find(a), self.find(b)
        if a == b:
            return False
        if self.size[a] < self.size[b]:
            a, b = b, a
        self.parent[b] = a
        self.size[a] += self.size[b]
        return True)code"_s},

        {u"세그먼트 트리"_s, u"구간 쿼리를 효율적으로 처리"_s, u"O(log n)"_s,
         uR"code(// 구간 합 세그먼트 트리 (0-indexed, 구간은 [l, r] 양 끝 포함)
class SegmentTree {
    int n;
    vector<long long> tree;  // tree[n..2n-1]이 원소, tree[i] = tree[2i] + tree[2i+1]

public:
    SegmentTree(const vector<long long>& arr) : n(arr.size()), tree(2 * arr.size()) {
        copy(arr.begin(), arr.end(), tree.begin() + n);
        for (int i = n - 1; i > 0; i--) tree[i] = tree[2 * i] + tree[2 * i + 1];
    }

    // arr[idx] = val
    void update(int idx, long long val) {
        int i = idx + n;
        tree[i] = val;
        for (i /= 2; i >= 1; i /= 2) tree[i] = tree[2 * i] + tree[2 * i + 1];
    }

    // arr[l] + ... + arr[r]
    long long query(int l, int r) {
        long long result = 0;
        for (l += n, r += n + 1; l < r; l /= 2, r /= 2) {
            if (l & 1) result += tree[l++];
            if (r & 1) result += tree[--r];
        }
        return result;
    }
};)code"_s,
         uR"code(// 구간 합 세그먼트 트리 (0-indexed, 구간은 [l, r] 양 끝 포함), n은 원소 개수
long long tree[2 * MAX];  // tree[n..2n-1]이 원소, tree[i] = tree[2i] + tree[2i+1]

void build(const long long arr[], int n) {
    for (int i = 0; i < n; i++) tree[n + i] = arr[i];
    for (int i = n - 1; i > 0; i--) tree[i] = tree[2 * i] + tree[2 * i + 1];
}

// arr[l] + ... + arr[r]
long long query(int l, int r, int n) {
    long long result = 0;
    for (l += n, r += n + 1; l < r; l /= 2, r /= 2) {
        if (l & 1) result += tree[l++];
        if (r & 1) result += tree[--r];
    }
    return result;
}

// arr[idx] = val
void update(int idx, long long val, int n) {
    int i = idx + n;
    tree[i] = val;
    for (i /= 2; i >= 1; i /= 2) tree[i] = tree[2 * i] + tree[2 * i + 1];
})code"_s,
         uR"code(class SegmentTree:
    # 구간 합 세그먼트 트리 (0-indexed, 구간은 [l, r] 양 끝 포함)
    def __init__(self, arr):
        self.n = len(arr)
        self.tree = [0] * self.n + list(arr)
        for i in range(self.n - 1, 0, -1):
            self.tree[i] = self.tree[2 * i] + self.tree[2 * i + 1]

    def update(self, idx, val):
        # arr[idx] = val
        i = idx + self.n
        self.tree[i] = val
        while i > 1:
            i //= 2
            self.tree[i] = self.tree[2 * i] + self.tree[2 * i + 1]

    def query(self, l, r):
        # arr[l] + ... + arr[r]
        result = 0
        l += self.n
        r += self.n + 1
        while l < r:
            if l & 1:
                result += self.tree[l]
                l += 1
            if r & 1:
                r -= 1
                result += self.tree[r]
            l //= 2
            r //= 2
        return result)code"_s},

        {u"펜윅 트리 (BIT)"_s, u"구간 합 쿼리와 점 업데이트"_s, u"O(log n)"_s, uR"code(// 1-indexed
class FenwickTree {
    int n;
    vector<long long> tree;

public:
    FenwickTree(int size) : n(size), tree(size + 1, 0) {}

    // i번째 원소에 delta를 더함
    void update(int i, long long delta) {
        for (; i <= n; i += i & -i) tree[i] += delta;
    }

    // 1번째부터 i번째까지의 합
    long long query(int i) {
        long long sum = 0;
        for (; i > 0; i -= i & -i) sum += tree[i];
        return sum;
    }

    // l번째부터 r번째까지의 합
    long long rangeQuery(int l, int r) { return query(r) - query(l - 1); }
};)code"_s,
         uR"code(// 1-indexed, n은 원소 개수
long long tree[MAX + 1];

// i번째 원소에 delta를 더함
void update(int i, long long delta, int n) {
    for (; i <= n; i += i & -i) tree[i] += delta;
}

// 1번째부터 i번째까지의 합
long long query(int i) {
    long long sum = 0;
    for (; i > 0; i -= i & -i) sum += tree[i];
    return sum;
}

// l번째부터 r번째까지의 합
long long rangeQuery(int l, int r) {
    return query(r) - query(l - 1);
})code"_s,
         uR"code(class FenwickTree:
    # 1-indexed
    def __init__(self, n):
        self.n = n
        self.tree = [0] * (n + 1)

    def update(self, i, delta):
        # i번째 원소에 delta를 더함
        while i <= self.n:
            self.tree[i] += delta
            i += i & -i

    def query(self, i):
        # 1번째부터 i번째까지의 합
        total = 0
        while i > 0:
            total += self.tree[i]
            i -= i & -i
        return total

    def range_query(self, l, r):
        return self.query(r) - self.query(l - 1))code"_s},

        {u"트라이"_s, u"문자열 검색을 위한 트리 자료구조"_s, u"O(m) - m은 문자열 길이"_s,
         uR"code(// 알파벳 소문자 문자열용
class Trie {
    struct Node {
        int next[26];
        bool isEnd = false;
        Node() { fill(next, next + 26, -1); }
    };
    vector<Node> nodes;

    // s를 따라 내려간 노드 번호, 없으면 -1
    int walk(const string& s) const {
        int cur = 0;
        for (char ch : s) {
            cur = nodes[cur].next[ch - 'a'];
            if (cur == -1) return -1;
        }
        return cur;
    }

public:
    Trie() : nodes(1) {}

    void insert(const string& word) {
        int cur = 0;
        for (char ch : word) {
            int c = ch - 'a';
            if (nodes[cur].next[c] == -1) {
                nodes[cur].next[c] = nodes.size();
                nodes.emplace_back();
            }
            cur = nodes[cur].next[c];
        }
        nodes[cur].isEnd = true;
    }

    // word가 통째로 들어 있는지
    bool search(const string& word) const {
        int cur = walk(word);
        return cur != -1 && nodes[cur].isEnd;
    }

    // prefix로 시작하는 단어가 있는지
    bool startsWith(const string& prefix) const { return walk(prefix) != -1; }
};)code"_s,
         uR"code(// 알파벳 소문자 문자열용
typedef struct TrieNode {
    struct TrieNode* children[26];
    bool isEnd;
} TrieNode;

TrieNode* createNode(void) {
    // calloc: 자식 포인터는 모두 NULL, isEnd는 false
    return (TrieNode*)calloc(1, sizeof(TrieNode));
}

void insert(TrieNode* root, const char* word) {
    TrieNode* cur = root;
    for (int i = 0; word[i]; i++) {
        int c = word[i] - 'a';
        if (!cur->children[c]) cur->children[c] = createNode();
        cur = cur->children[c];
    }
    cur->isEnd = true;
}

// word가 통째로 들어 있는지
bool search(TrieNode* root, const char* word) {
    TrieNode* cur = root;
    for (int i = 0; word[i]; i++) {
        cur = cur->children[word[i] - 'a'];
        if (!cur) return false;
    }
    return cur->isEnd;
})code"_s,
         uR"code(class Trie:
    def __init__(self):
        # 노드는 dict: 문자 -> 자식 노드, 키 None은 단어의 끝 표시
        self.root = {}

    def insert(self, word):
        node = self.root
        for ch in word:
            node = node.setdefault(ch, {})
        node[None] = True

    def _walk(self, s):
        node = self.root
        for ch in s:
            if ch not in node:
                return None
            node = node[ch]
        return node

    def search(self, word):
        # word가 통째로 들어 있는지
        node = self._walk(word)
        return node is not None and None in node

    def starts_with(self, prefix):
        # prefix로 시작하는 단어가 있는지
        return self._walk(prefix) is not None)code"_s},

        {u"희소 테이블"_s, u"정적 배열의 구간 최솟값/최댓값 쿼리"_s,
         u"O(1) 쿼리, O(n log n) 전처리"_s,
         uR"code(// 구간 최솟값 (최댓값은 min을 max로 바꿈), 구간은 [l, r] 양 끝 포함
class SparseTable {
    vector<vector<int>> table;  // table[k][i] = arr[i .. i + 2^k - 1]의 최솟값
    vector<int> lg;

public:
    SparseTable(const vector<int>& arr) {
        int n = arr.size();
        lg.assign(n + 1, 0);
        for (int i = 2; i <= n; i++) lg[i] = lg[i / 2] + 1;
        table.assign(lg[n] + 1, vector<int>(n));
        table[0] = arr;
        for (int k = 1; (1 << k) <= n; k++)
            for (int i = 0; i + (1 << k) <= n; i++)
                table[k][i] = min(table[k - 1][i], table[k - 1][i + (1 << (k - 1))]);
    }

    int query(int l, int r) const {
        int k = lg[r - l + 1];
        return min(table[k][l], table[k][r - (1 << k) + 1]);
    }
};)code"_s,
         uR"code(// 구간 최솟값, 구간은 [l, r] 양 끝 포함 (2^LOG > n 이어야 함)
#define LOG 20
int sparse[LOG][MAX], lg[MAX + 1];

void buildSparseTable(int arr[], int n) {
    lg[1] = 0;
    for (int i = 2; i <= n; i++) lg[i] = lg[i / 2] + 1;
    for (int i = 0; i < n; i++) sparse[0][i] = arr[i];
    for (int k = 1; (1 << k) <= n; k++)
        for (int i = 0; i + (1 << k) <= n; i++) {
            int a = sparse[k - 1][i], b = sparse[k - 1][i + (1 << (k - 1))];
            sparse[k][i] = a < b ? a : b;
        }
}

int query(int l, int r) {
    int k = lg[r - l + 1];
    int a = sparse[k][l], b = sparse[k][r - (1 << k) + 1];
    return a < b ? a : b;
})code"_s,
         uR"code(class SparseTable:
    # 구간 최솟값 (최댓값은 min을 max로 바꿈), 구간은 [l, r] 양 끝 포함
    def __init__(self, arr):
        n = len(arr)
        self.lg = [0] * (n + 1)
        for i in range(2, n + 1):
            self.lg[i] = self.lg[i // 2] + 1
        # table[k][i] = arr[i .. i + 2^k - 1]의 최솟값
        self.table = [list(arr)]
        k = 1
        while (1 << k) <= n:
            prev = self.table[-1]
            half = 1 << (k - 1)
            self.table.append([min(prev[i], prev[i + half]) for i in range(n - (1 << k) + 1)])
            k += 1

    def query(self, l, r):
        k = self.lg[r - l + 1]
        return min(self.table[k][l], self.table[k][r - (1 << k) + 1]))code"_s},
    };
}
