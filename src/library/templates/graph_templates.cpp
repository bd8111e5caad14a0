#include "library/templates/category_templates.h"

// The fragments are raw strings so they read as the code the user gets; each one
// starts right after the opening delimiter and ends without a line feed.

QList<AlgorithmTemplate> graphTemplates() {
    return {
        {QStringLiteral("BFS (너비 우선 탐색)"), QStringLiteral("그래프를 너비 우선으로 탐색"),
         QStringLiteral("O(V + E)"),
         QStringLiteral(R"code(// adj: 인접 리스트 (정점 번호가 1부터면 크기를 n + 1로)
// start에서 각 정점까지의 최단 거리(간선 수)를 반환, 도달할 수 없으면 -1
vector<int> bfs(const vector<vector<int>>& adj, int start) {
    vector<int> dist(adj.size(), -1);
    queue<int> q;
    dist[start] = 0;
    q.push(start);
    while (!q.empty()) {
        int cur = q.front();
        q.pop();
        for (int next : adj[cur]) {
            if (dist[next] == -1) {
                dist[next] = dist[cur] + 1;
                q.push(next);
            }
        }
    }
    return dist;
})code"),
         QStringLiteral(R"code(int graph[MAX][MAX];  // 인접 행렬: graph[u][v] = 1이면 간선이 있음
int dist[MAX];        // start로부터의 거리, 도달할 수 없으면 -1

// 정점 0 ~ n-1 (1부터 쓰면 n + 1을 넘긴다)
void bfs(int start, int n) {
    int queue[MAX], front = 0, rear = 0;
    for (int i = 0; i < n; i++) dist[i] = -1;
    dist[start] = 0;
    queue[rear++] = start;
    while (front < rear) {
        int cur = queue[front++];
        for (int next = 0; next < n; next++) {
            if (graph[cur][next] && dist[next] == -1) {
                dist[next] = dist[cur] + 1;
                queue[rear++] = next;
            }
        }
    }
})code"),
         QStringLiteral(R"code(from collections import deque

def bfs(graph, start):
    # graph: 인접 리스트, start에서 각 정점까지의 거리를 반환 (도달할 수 없으면 -1)
    dist = [-1] * len(graph)
    dist[start] = 0
    q = deque([start])
    while q:
        cur = q.popleft()
        for nxt in graph[cur]:
            if dist[nxt] == -1:
                dist[nxt] = dist[cur] + 1
                q.append(nxt)
    return dist)code")},

        {QStringLiteral("DFS (깊이 우선 탐색)"), QStringLiteral("그래프를 깊이 우선으로 탐색"),
         QStringLiteral("O(V + E)"),
         QStringLiteral(R"code(vector<bool> visited;  // 호출 전에 visited.assign(정점 수, false)

void dfs(const vector<vector<int>>& adj, int cur) {
    visited[cur] = true;
    // cur을 방문할 때 할 일을 여기에 작성
    for (int next : adj[cur]) {
        if (!visited[next]) dfs(adj, next);
    }
})code"),
         QStringLiteral(R"code(int graph[MAX][MAX];  // 인접 행렬: graph[u][v] = 1이면 간선이 있음
bool visited[MAX];

// 정점 0 ~ n-1 (1부터 쓰면 n + 1을 넘긴다)
void dfs(int cur, int n) {
    visited[cur] = true;
    for (int next = 0; next < n; next++) {
        if (graph[cur][next] && !visited[next]) dfs(next, n);
    }
})code"),
         QStringLiteral(R"code(import sys
sys.setrecursionlimit(10**6)

def dfs(graph, cur, visited):
    # graph: 인접 리스트, visited: [False] * 정점 수
    visited[cur] = True
    for nxt in graph[cur]:
        if not visited[nxt]:
            dfs(graph, nxt, visited))code")},

        {QStringLiteral("다익스트라"), QStringLiteral("단일 출발점 최단 경로 알고리즘"),
         QStringLiteral("O((V + E) log V)"), QStringLiteral(R"code(const long long INF = 1e18;

// adj[u] = {v, w}: u에서 v로 가는 가중치 w(0 이상)의 간선
// start에서 각 정점까지의 최단 거리를 반환, 도달할 수 없으면 INF
vector<long long> dijkstra(const vector<vector<pair<int, int>>>& adj, int start) {
    vector<long long> dist(adj.size(), INF);
    // {거리, 정점}을 거리가 작은 것부터 꺼낸다
    priority_queue<pair<long long, int>, vector<pair<long long, int>>, greater<pair<long long, int>>> pq;
    dist[start] = 0;
    pq.push({0, start});
    while (!pq.empty()) {
        auto [d, cur] = pq.top();
        pq.pop();
        if (d > dist[cur]) continue;  // 이미 더 짧은 경로로 처리된 정점
        for (auto [next, w] : adj[cur]) {
            if (d + w < dist[next]) {
                dist[next] = d + w;
                pq.push({dist[next], next});
            }
        }
    }
    return dist;
})code"),
         QStringLiteral(R"code(#define INF 1e18

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
})code"),
         QStringLiteral(R"code(import heapq

INF = float('inf')

def dijkstra(graph, start):
    # graph[u] = [(v, w), ...]: u에서 v로 가는 가중치 w(0 이상)의 간선
    dist = [INF] * len(graph)
    dist[start] = 0
    pq = [(0, start)]
    while pq:
        d, cur = heapq.heappop(pq)
        if d > dist[cur]:
            continue  # 이미 더 짧은 경로로 처리된 정점
        for nxt, w in graph[cur]:
            if d + w < dist[nxt]:
                dist[nxt] = d + w
                heapq.heappush(pq, (dist[nxt], nxt))
    return dist)code")},

        {QStringLiteral("벨만-포드"), QStringLiteral("음수 가중치가 있는 그래프의 최단 경로"),
         QStringLiteral("O(VE)"), QStringLiteral(R"code(const long long INF = 1e18;

// edges: {u, v, w} (u → v, 가중치 w), 정점 0 ~ n-1
// start에서 도달할 수 있는 음수 사이클이 있으면 빈 벡터를 반환, 도달할 수 없는 정점은 INF
vector<long long> bellmanFord(int n, const vector<tuple<int, int, int>>& edges, int start) {
    vector<long long> dist(n, INF);
    dist[start] = 0;
    for (int i = 0; i < n; i++) {
        for (auto [u, v, w] : edges) {
            if (dist[u] != INF && dist[u] + w < dist[v]) {
                dist[v] = dist[u] + w;
                if (i == n - 1) return {};  // n번째 반복에서도 줄어들면 음수 사이클
            }
        }
    }
    return dist;
})code"),
         QStringLiteral(R"code(#define INF 1e18

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
})code"),
         QStringLiteral(R"code(INF = float('inf')

def bellman_ford(n, edges, start):
    # edges: [(u, v, w), ...], 정점 0 ~ n-1
    # start에서 도달할 수 있는 음수 사이클이 있으면 None을 반환
    dist = [INF] * n
    dist[start] = 0
    for i in range(n):
        for u, v, w in edges:
            if dist[u] != INF and dist[u] + w < dist[v]:
                dist[v] = dist[u] + w
                if i == n - 1:
                    return None  # n번째 반복에서도 줄어들면 음수 사이클
    return dist)code")},

        {QStringLiteral("플로이드-워셜"), QStringLiteral("모든 쌍 최단 경로 알고리즘"),
         QStringLiteral("O(V³)"), QStringLiteral(R"code(const long long INF = 1e18;

// dist[i][j]를 간선 가중치(없으면 INF, i == j면 0)로 채운 뒤 호출
// 여러 간선이 있으면 가장 작은 가중치만 넣는다
void floydWarshall(vector<vector<long long>>& dist) {
    int n = dist.size();
    for (int k = 0; k < n; k++)
        for (int i = 0; i < n; i++)
            for (int j = 0; j < n; j++)
                if (dist[i][k] != INF && dist[k][j] != INF)
                    dist[i][j] = min(dist[i][j], dist[i][k] + dist[k][j]);
})code"),
         QStringLiteral(R"code(#define INF 1e9

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
})code"),
         QStringLiteral(R"code(INF = float('inf')

def floyd_warshall(dist):
    # dist[i][j]를 간선 가중치(없으면 INF, i == j면 0)로 채운 뒤 호출
    n = len(dist)
    for k in range(n):
        row_k = dist[k]
        for i in range(n):
            row_i = dist[i]
            d_ik = row_i[k]
            for j in range(n):
                if d_ik + row_k[j] < row_i[j]:
                    row_i[j] = d_ik + row_k[j])code")},

        {QStringLiteral("크루스칼 (MST)"), QStringLiteral("최소 신장 트리 - Union-Find 기반"),
         QStringLiteral("O(E log E)"), QStringLiteral(R"code(struct Edge {
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
})code"),
         QStringLiteral(R"code(typedef struct {
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
})code"),
         QStringLiteral(R"code(def kruskal(n, edges):
    # edges: [(u, v, w), ...], 정점 0 ~ n-1, 최소 신장 트리의 가중치 합을 반환
    parent = list(range(n))

    def find(x):
        while parent[x] != x:
            parent[x] = parent[parent[x]]  # 경로 압축
            x = parent[x]
        return x

    total = 0
    for u, v, w in sorted(edges, key=lambda e: e[2]):
        a, b = find(u), find(v)
        if a != b:
            parent[a] = b
            total += w
    return total)code")},

        {QStringLiteral("프림 (MST)"), QStringLiteral("최소 신장 트리 - 우선순위 큐 기반"),
         QStringLiteral("O(E log V)"),
         QStringLiteral(R"code(// adj[u] = {v, w}: 무방향 그래프라 간선을 양쪽에 모두 넣는다
// start가 속한 최소 신장 트리의 가중치 합을 반환
long long prim(const vector<vector<pair<int, int>>>& adj, int start = 0) {
    vector<bool> inTree(adj.size(), false);
    // {가중치, 정점}을 가중치가 작은 것부터 꺼낸다
    priority_queue<pair<int, int>, vector<pair<int, int>>, greater<pair<int, int>>> pq;
    pq.push({0, start});
    long long total = 0;
    while (!pq.empty()) {
        auto [w, u] = pq.top();
        pq.pop();
        if (inTree[u]) continue;
        inTree[u] = true;
        total += w;
        for (auto [v, cost] : adj[u]) {
            if (!inTree[v]) pq.push({cost, v});
        }
    }
    return total;
})code"),
         QStringLiteral(R"code(#define INF 1e18

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
})code"),
         QStringLiteral(R"code(import heapq

def prim(graph, start=0):
    # graph[u] = [(v, w), ...]: 무방향 그래프라 간선을 양쪽에 모두 넣는다
    # start가 속한 최소 신장 트리의 가중치 합을 반환
    in_tree = [False] * len(graph)
    pq = [(0, start)]
    total = 0
    while pq:
        w, u = heapq.heappop(pq)
        if in_tree[u]:
            continue
        in_tree[u] = True
        total += w
        for v, cost in graph[u]:
            if not in_tree[v]:
                heapq.heappush(pq, (cost, v))
    return total)code")},

        {QStringLiteral("위상 정렬"), QStringLiteral("DAG에서 선후 관계를 유지하는 정렬"),
         QStringLiteral("O(V + E)"),
         QStringLiteral(R"code(// adj: 방향 그래프의 인접 리스트 (정점 0 ~ n-1)
// 결과의 크기가 n보다 작으면 사이클이 있다
vector<int> topologicalSort(const vector<vector<int>>& adj) {
    int n = adj.size();
    vector<int> indegree(n, 0);
    for (int u = 0; u < n; u++)
        for (int v : adj[u]) indegree[v]++;
    queue<int> q;
    for (int u = 0; u < n; u++)
        if (indegree[u] == 0) q.push(u);
    vector<int> order;
    while (!q.empty()) {
        int u = q.front();
        q.pop();
        order.push_back(u);
        for (int v : adj[u])
            if (--indegree[v] == 0) q.push(v);
    }
    return order;
})code"),
         QStringLiteral(R"code(int graph[MAX][MAX];  // graph[u][v] = 1이면 u → v 간선
int indegree[MAX];
int order[MAX];       // 위상 정렬 결과

// 정점 0 ~ n-1, 결과의 길이를 반환 (n보다 작으면 사이클이 있다)
int topologicalSort(int n) {
    int queue[MAX], front = 0, rear = 0, cnt = 0;
    for (int v = 0; v < n; v++) {
        indegree[v] = 0;
        for (int u = 0; u < n; u++) indegree[v] += graph[u][v] != 0;
    }
    for (int v = 0; v < n; v++) {
        if (indegree[v] == 0) queue[rear++] = v;
    }
    while (front < rear) {
        int u = queue[front++];
        order[cnt++] = u;
        for (int v = 0; v < n; v++) {
            if (graph[u][v] && --indegree[v] == 0) queue[rear++] = v;
        }
    }
    return cnt;
})code"),
         QStringLiteral(R"code(from collections import deque

def topological_sort(graph):
    # graph: 방향 그래프의 인접 리스트 (정점 0 ~ n-1)
    # 결과의 길이가 n보다 작으면 사이클이 있다
    n = len(graph)
    indegree = [0] * n
    for u in range(n):
        for v in graph[u]:
            indegree[v] += 1
    q = deque(u for u in range(n) if indegree[u] == 0)
    order = []
    while q:
        u = q.popleft()
        order.append(u)
        for v in graph[u]:
            indegree[v] -= 1
            if indegree[v] == 0:
                q.append(v)
    return order)code")},

        {QStringLiteral("타잔 SCC"), QStringLiteral("강한 연결 요소 분해"),
         QStringLiteral("O(V + E)"),
         QStringLiteral(
             R"code(// 사용법: TarjanSCC scc(adj); 이후 scc.sccs, scc.sccId를 읽는다 (정점 0 ~ n-1)
class TarjanSCC {
public:
    vector<vector<int>> sccs;  // SCC 목록 (위상 정렬의 역순으로 찾아진다)
    vector<int> sccId;         // 각 정점이 속한 SCC의 번호 (sccs의 인덱스)

    explicit TarjanSCC(const vector<vector<int>>& adj)
        : sccId(adj.size(), -1), disc(adj.size(), -1), low(adj.size(), 0), onStack(adj.size(), false) {
        for (int v = 0; v < (int)adj.size(); v++) {
            if (disc[v] == -1) dfs(adj, v);
        }
    }

private:
    vector<int> disc, low;  // 방문 순서, 스택에 남은 정점 중 닿을 수 있는 가장 이른 방문 순서
    vector<bool> onStack;
    vector<int> st;
    int timer = 0;

    void dfs(const vector<vector<int>>& adj, int u) {
        disc[u] = low[u] = timer++;
        st.push_back(u);
        onStack[u] = true;
        for (int v : adj[u]) {
            if (disc[v] == -1) {
                dfs(adj, v);
                low[u] = min(low[u], low[v]);
            } else if (onStack[v]) {
                low[u] = min(low[u], disc[v]);
            }
        }
        if (low[u] == disc[u]) {  // u가 SCC의 루트: 스택에서 u까지 꺼낸 정점들이 하나의 SCC
            vector<int> comp;
            int v;
            do {
                v = st.back();
                st.pop_back();
                onStack[v] = false;
                sccId[v] = sccs.size();
                comp.push_back(v);
            } while (v != u);
            sccs.push_back(comp);
        }
    }
};)code"),
         QStringLiteral(R"code(int graph[MAX][MAX];  // graph[u][v] = 1이면 u → v 간선
int disc[MAX], low[MAX], sccId[MAX];  // disc가 0이면 아직 방문하지 않은 정점
bool onStack[MAX];
int stk[MAX], top = 0, timer = 0, sccCnt = 0;

// 사용법: disc[v] == 0인 모든 v에 대해 dfs(v, n)을 호출하면 sccId[v]에 SCC 번호가 채워진다
void dfs(int u, int n) {
    disc[u] = low[u] = ++timer;
    stk[top++] = u;
    onStack[u] = true;
    for (int v = 0; v < n; v++) {
        if (!graph[u][v]) continue;
        if (!disc[v]) {
            dfs(v, n);
            if (low[v] < low[u]) low[u] = low[v];
        } else if (onStack[v] && disc[v] < low[u]) {
            low[u] = disc[v];
        }
    }
    if (low[u] == disc[u]) {  // u가 SCC의 루트: 스택에서 u까지 꺼낸 정점들이 하나의 SCC
        int v;
        do {
            v = stk[--top];
            onStack[v] = false;
            sccId[v] = sccCnt;
        } while (v != u);
        sccCnt++;
    }
})code"),
         QStringLiteral(R"code(def tarjan_scc(graph):
    # graph: 방향 그래프의 인접 리스트 (정점 0 ~ n-1)
    # SCC 목록을 반환 (위상 정렬의 역순), 깊은 그래프에서도 되도록 재귀 없이 구현
    n = len(graph)
    disc = [-1] * n
    low = [0] * n
    on_stack = [False] * n
    stack, sccs = [], []
    timer = 0
    for root in range(n):
        if disc[root] != -1:
            continue
        work = [(root, 0)]  # (정점, 다음에 볼 간선 번호)
        disc[root] = low[root] = timer
        timer += 1
        stack.append(root)
        on_stack[root] = True
        while work:
            u, i = work.pop()
            if i < len(graph[u]):
                work.append((u, i + 1))
                v = graph[u][i]
                if disc[v] == -1:
                    disc[v] = low[v] = timer
                    timer += 1
                    stack.append(v)
                    on_stack[v] = True
                    work.append((v, 0))
                elif on_stack[v]:
                    low[u] = min(low[u], disc[v])
                continue
            if low[u] == disc[u]:  # u가 SCC의 루트
                comp = []
                while True:
                    v = stack.pop()
                    on_stack[v] = False
                    comp.append(v)
                    if v == u:
                        break
                sccs.append(comp)
            if work:  # 부모에게 low 값을 전한다
                parent = work[-1][0]
                low[parent] = min(low[parent], low[u])
    return sccs)code")},
    };
}
