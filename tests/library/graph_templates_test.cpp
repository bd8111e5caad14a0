#include "template_harness.h"

#include "support/printers.h"

#include <gtest/gtest.h>

namespace {

// Graph builders and printers; "INF" marks an unreachable vertex in every language.
const DriverHelpers graphHelpers = {
    QStringLiteral(R"(void printInts(const vector<int>& v) {
    for (size_t i = 0; i < v.size(); i++) cout << (i ? " " : "") << v[i];
    cout << '\n';
}
void printDist(const vector<long long>& d) {
    for (size_t i = 0; i < d.size(); i++) cout << (i ? " " : "") << (d[i] >= (long long)1e18 ? "INF" : to_string(d[i]));
    cout << '\n';
}
vector<vector<int>> adjacency(int n, const vector<pair<int, int>>& edges, bool undirected) {
    vector<vector<int>> adj(n);
    for (auto [u, v] : edges) {
        adj[u].push_back(v);
        if (undirected) adj[v].push_back(u);
    }
    return adj;
}
vector<vector<pair<int, int>>> weighted(int n, const vector<tuple<int, int, int>>& edges, bool undirected) {
    vector<vector<pair<int, int>>> adj(n);
    for (auto [u, v, w] : edges) {
        adj[u].push_back({v, w});
        if (undirected) adj[v].push_back({u, w});
    }
    return adj;
})"),
    QStringLiteral(R"(void printInts(const int* a, int n) {
    for (int i = 0; i < n; i++) printf(i ? " %d" : "%d", a[i]);
    printf("\n");
}
void printDist(const long long* d, int n) {
    for (int i = 0; i < n; i++) {
        printf("%s", i ? " " : "");
        if (d[i] >= 1e18) printf("INF");
        else printf("%lld", d[i]);
    }
    printf("\n");
}
void setEdges(int (*g)[MAX], int e[][3], int m, bool undirected) {
    memset(g, 0, sizeof(int) * MAX * MAX);
    for (int i = 0; i < m; i++) {
        g[e[i][0]][e[i][1]] = e[i][2];
        if (undirected) g[e[i][1]][e[i][0]] = e[i][2];
    }
})"),
    QStringLiteral(R"(def show(dist):
    print(*('INF' if d == float('inf') else d for d in dist))

def adjacency(n, edges, undirected):
    g = [[] for _ in range(n)]
    for u, v in edges:
        g[u].append(v)
        if undirected:
            g[v].append(u)
    return g

def weighted(n, edges, undirected):
    g = [[] for _ in range(n)]
    for u, v, w in edges:
        g[u].append((v, w))
        if undirected:
            g[v].append((u, w))
    return g)"),
};

// The long chains and rings check that deep graphs do not hit Python's recursion limit.
TEST(GraphTemplates, EveryVariantCompilesAndWalksItsGraphs) {
    checkCategoryTemplates(
        AlgorithmCategory::graph, graphHelpers,
        {
            {QStringLiteral("BFS (너비 우선 탐색)"),
             QStringLiteral(
                 R"(    vector<vector<int>> adj = adjacency(6, {{0, 1}, {0, 2}, {1, 3}, {2, 3}, {3, 4}}, true);
    printInts(bfs(adj, 0));
    printInts(bfs(adj, 5));)"),
             QStringLiteral(
                 R"(    int e[5][3] = {{0, 1, 1}, {0, 2, 1}, {1, 3, 1}, {2, 3, 1}, {3, 4, 1}};
    setEdges(graph, e, 5, true);
    bfs(0, 6);
    printInts(dist, 6);
    bfs(5, 6);
    printInts(dist, 6);)"),
             QStringLiteral(R"(g = adjacency(6, [(0, 1), (0, 2), (1, 3), (2, 3), (3, 4)], True)
print(*bfs(g, 0))
print(*bfs(g, 5)))"),
             QStringLiteral("0 1 1 2 3 -1\n-1 -1 -1 -1 -1 0\n")},
            {QStringLiteral("DFS (깊이 우선 탐색)"),
             QStringLiteral(
                 R"(    vector<vector<int>> adj = adjacency(6, {{0, 1}, {1, 2}, {2, 0}, {3, 4}}, true);
    visited.assign(6, false);
    dfs(adj, 0);
    printInts(vector<int>(visited.begin(), visited.end()));
    dfs(adj, 3);
    printInts(vector<int>(visited.begin(), visited.end()));
    vector<vector<int>> chain(5000);
    for (int i = 0; i + 1 < 5000; i++) chain[i].push_back(i + 1);
    visited.assign(5000, false);
    dfs(chain, 0);
    cout << (count(visited.begin(), visited.end(), true) == 5000 ? "deep ok" : "deep failed") << '\n';)"),
             QStringLiteral(R"(    int e[4][3] = {{0, 1, 1}, {1, 2, 1}, {2, 0, 1}, {3, 4, 1}};
    setEdges(graph, e, 4, true);
    for (int round = 0; round < 2; round++) {
        dfs(round ? 3 : 0, 6);
        for (int i = 0; i < 6; i++) printf(i ? " %d" : "%d", visited[i]);
        printf("\n");
    }
    memset(graph, 0, sizeof graph);
    memset(visited, 0, sizeof visited);
    for (int i = 0; i + 1 < MAX; i++) graph[i][i + 1] = 1;
    dfs(0, MAX);
    int seen = 0;
    for (int i = 0; i < MAX; i++) seen += visited[i];
    puts(seen == MAX ? "deep ok" : "deep failed");)"),
             QStringLiteral(R"(g = adjacency(6, [(0, 1), (1, 2), (2, 0), (3, 4)], True)
visited = [False] * 6
dfs(g, 0, visited)
print(*map(int, visited))
dfs(g, 3, visited)
print(*map(int, visited))
chain = [[i + 1] for i in range(4999)] + [[]]
visited = [False] * 5000
dfs(chain, 0, visited)
print('deep ok' if all(visited) else 'deep failed'))"),
             QStringLiteral("1 1 1 0 0 0\n1 1 1 1 1 0\ndeep ok\n")},
            // The second graph's distances overflow an int.
            {QStringLiteral("다익스트라"),
             QStringLiteral(
                 R"(    printDist(dijkstra(weighted(6, {{0, 1, 4}, {0, 2, 1}, {2, 1, 2}, {1, 3, 1}, {2, 3, 5}, {3, 4, 3}}, false), 0));
    printDist(dijkstra(weighted(3, {{0, 1, 2000000000}, {1, 2, 2000000000}}, false), 0));)"),
             QStringLiteral(
                 R"(    int e1[6][3] = {{0, 1, 4}, {0, 2, 1}, {2, 1, 2}, {1, 3, 1}, {2, 3, 5}, {3, 4, 3}};
    setEdges(graph, e1, 6, false);
    dijkstra(0, 6);
    printDist(dist, 6);
    int e2[2][3] = {{0, 1, 2000000000}, {1, 2, 2000000000}};
    setEdges(graph, e2, 2, false);
    dijkstra(0, 3);
    printDist(dist, 3);)"),
             QStringLiteral(
                 R"(show(dijkstra(weighted(6, [(0, 1, 4), (0, 2, 1), (2, 1, 2), (1, 3, 1), (2, 3, 5), (3, 4, 3)], False), 0))
show(dijkstra(weighted(3, [(0, 1, 2000000000), (1, 2, 2000000000)], False), 0)))"),
             QStringLiteral("0 3 1 4 7 INF\n0 2000000000 4000000000\n")},
            // Negative edge, reachable negative cycle, unreachable negative cycle.
            {QStringLiteral("벨만-포드"),
             QStringLiteral(
                 R"(    for (auto [n, edges] : vector<pair<int, vector<tuple<int, int, int>>>>{
             {5, {{0, 1, 4}, {0, 2, 5}, {1, 2, -3}, {2, 3, 2}}},
             {4, {{0, 1, 1}, {1, 2, -1}, {2, 3, -1}, {3, 1, -1}}},
             {3, {{1, 2, -1}, {2, 1, -1}}}}) {
        vector<long long> d = bellmanFord(n, edges, 0);
        if (d.empty()) cout << "cycle\n";
        else printDist(d);
    })"),
             QStringLiteral(R"(    int e[3][4][3] = {{{0, 1, 4}, {0, 2, 5}, {1, 2, -3}, {2, 3, 2}},
                      {{0, 1, 1}, {1, 2, -1}, {2, 3, -1}, {3, 1, -1}},
                      {{1, 2, -1}, {2, 1, -1}}};
    int n[3] = {5, 4, 3}, m[3] = {4, 4, 2};
    for (int g = 0; g < 3; g++) {
        memcpy(edges, e[g], sizeof e[g]);
        if (bellmanFord(n[g], m[g], 0)) printDist(dist, n[g]);
        else printf("cycle\n");
    })"),
             QStringLiteral(R"(for n, edges in ((5, [(0, 1, 4), (0, 2, 5), (1, 2, -3), (2, 3, 2)]),
                 (4, [(0, 1, 1), (1, 2, -1), (2, 3, -1), (3, 1, -1)]),
                 (3, [(1, 2, -1), (2, 1, -1)])):
    d = bellman_ford(n, edges, 0)
    if d is None:
        print('cycle')
    else:
        show(d))"),
             QStringLiteral("0 4 1 3 INF\ncycle\n0 INF INF\n")},
            // Vertex 4 reaches nothing: a negative edge must not make it reach vertex 3.
            {QStringLiteral("플로이드-워셜"),
             QStringLiteral(R"(    vector<vector<long long>> d(5, vector<long long>(5, INF));
    for (int i = 0; i < 5; i++) d[i][i] = 0;
    d[0][1] = 5, d[0][2] = 9, d[1][2] = 2, d[2][3] = -1;
    floydWarshall(d);
    for (const vector<long long>& row : d) printDist(row);)"),
             QStringLiteral(R"(    for (int i = 0; i < 5; i++)
        for (int j = 0; j < 5; j++) dist[i][j] = i == j ? 0 : INF;
    dist[0][1] = 5, dist[0][2] = 9, dist[1][2] = 2, dist[2][3] = -1;
    floydWarshall(5);
    for (int i = 0; i < 5; i++) {
        long long row[5];
        for (int j = 0; j < 5; j++) row[j] = dist[i][j] == INF ? (long long)1e18 : dist[i][j];
        printDist(row, 5);
    })"),
             QStringLiteral(R"(d = [[0 if i == j else INF for j in range(5)] for i in range(5)]
d[0][1], d[0][2], d[1][2], d[2][3] = 5, 9, 2, -1
floyd_warshall(d)
for row in d:
    show(row))"),
             QStringLiteral("0 5 7 6 INF\nINF 0 2 1 INF\nINF INF 0 -1 INF\nINF INF INF 0 INF\nINF "
                            "INF INF INF 0\n")},
            // Negative weight, weights whose difference overflows an int, a forest.
            {QStringLiteral("크루스칼 (MST)"),
             QStringLiteral(
                 R"(    cout << kruskal(4, {{0, 1, 1}, {1, 2, 2}, {0, 2, 3}, {2, 3, 4}, {0, 3, -2}}) << ' '
         << kruskal(3, {{0, 1, 2000000000}, {1, 2, -2000000000}, {0, 2, 1500000000}}) << ' '
         << kruskal(4, {{0, 1, 5}, {2, 3, 7}}) << '\n';)"),
             QStringLiteral(
                 R"(    Edge g1[] = {{0, 1, 1}, {1, 2, 2}, {0, 2, 3}, {2, 3, 4}, {0, 3, -2}};
    Edge g2[] = {{0, 1, 2000000000}, {1, 2, -2000000000}, {0, 2, 1500000000}};
    Edge g3[] = {{0, 1, 5}, {2, 3, 7}};
    memcpy(edges, g1, sizeof g1);
    long long a = kruskal(4, 5);
    memcpy(edges, g2, sizeof g2);
    long long b = kruskal(3, 3);
    memcpy(edges, g3, sizeof g3);
    printf("%lld %lld %lld\n", a, b, kruskal(4, 2));)"),
             QStringLiteral(
                 R"(print(kruskal(4, [(0, 1, 1), (1, 2, 2), (0, 2, 3), (2, 3, 4), (0, 3, -2)]),
      kruskal(3, [(0, 1, 2000000000), (1, 2, -2000000000), (0, 2, 1500000000)]),
      kruskal(4, [(0, 1, 5), (2, 3, 7)])))"),
             QStringLiteral("1 -500000000 12\n")},
            // Numbered from 1 with start 1, weights beyond 1e9, only the start's component.
            {QStringLiteral("프림 (MST)"),
             QStringLiteral(
                 R"(    cout << prim(weighted(5, {{1, 2, 1}, {2, 3, 2}, {1, 3, 3}, {3, 4, 4}, {1, 4, -2}}, true), 1) << ' '
         << prim(weighted(3, {{0, 1, 2000000000}, {1, 2, -2000000000}, {0, 2, 1500000000}}, true)) << ' '
         << prim(weighted(4, {{0, 1, 5}, {2, 3, 7}}, true)) << '\n';)"),
             QStringLiteral(
                 R"(    int e1[5][3] = {{1, 2, 1}, {2, 3, 2}, {1, 3, 3}, {3, 4, 4}, {1, 4, -2}};
    int e2[3][3] = {{0, 1, 2000000000}, {1, 2, -2000000000}, {0, 2, 1500000000}};
    int e3[2][3] = {{0, 1, 5}, {2, 3, 7}};
    setEdges(graph, e1, 5, true);
    long long a = prim(5, 1);
    setEdges(graph, e2, 3, true);
    long long b = prim(3, 0);
    setEdges(graph, e3, 2, true);
    printf("%lld %lld %lld\n", a, b, prim(4, 0));)"),
             QStringLiteral(
                 R"(print(prim(weighted(5, [(1, 2, 1), (2, 3, 2), (1, 3, 3), (3, 4, 4), (1, 4, -2)], True), 1),
      prim(weighted(3, [(0, 1, 2000000000), (1, 2, -2000000000), (0, 2, 1500000000)], True)),
      prim(weighted(4, [(0, 1, 5), (2, 3, 7)], True))))"),
             QStringLiteral("1 -500000000 5\n")},
            // A graph with a single valid order, then a cycle.
            {QStringLiteral("위상 정렬"),
             QStringLiteral(
                 R"(    printInts(topologicalSort(adjacency(4, {{3, 1}, {1, 0}, {0, 2}, {3, 0}, {1, 2}}, false)));
    cout << (topologicalSort(adjacency(4, {{0, 1}, {1, 2}, {2, 0}}, false)).size() < 4 ? "cycle" : "no cycle") << '\n';)"),
             QStringLiteral(
                 R"(    int e1[5][3] = {{3, 1, 1}, {1, 0, 1}, {0, 2, 1}, {3, 0, 1}, {1, 2, 1}};
    int e2[3][3] = {{0, 1, 1}, {1, 2, 1}, {2, 0, 1}};
    setEdges(graph, e1, 5, false);
    printInts(order, topologicalSort(4));
    setEdges(graph, e2, 3, false);
    puts(topologicalSort(4) < 4 ? "cycle" : "no cycle");)"),
             QStringLiteral(
                 R"(print(*topological_sort(adjacency(4, [(3, 1), (1, 0), (0, 2), (3, 0), (1, 2)], False)))
print('cycle' if len(topological_sort(adjacency(4, [(0, 1), (1, 2), (2, 0)], False))) < 4 else 'no cycle'))"),
             QStringLiteral("3 1 0 2\ncycle\n")},
            // SCC count, each vertex's smallest SCC member, the first SCC found (a sink), a long
            // ring.
            {QStringLiteral("타잔 SCC"),
             QStringLiteral(
                 R"(    TarjanSCC scc(adjacency(6, {{0, 1}, {1, 2}, {2, 0}, {1, 3}, {3, 4}, {4, 3}, {5, 5}}, false));
    cout << scc.sccs.size() << '\n';
    vector<int> smallest;
    for (int v = 0; v < 6; v++) {
        const vector<int>& comp = scc.sccs[scc.sccId[v]];
        smallest.push_back(*min_element(comp.begin(), comp.end()));
    }
    printInts(smallest);
    cout << *min_element(scc.sccs[0].begin(), scc.sccs[0].end()) << '\n';
    vector<pair<int, int>> ring;
    for (int i = 0; i < 5000; i++) ring.push_back({i, (i + 1) % 5000});
    cout << TarjanSCC(adjacency(5000, ring, false)).sccs.size() << '\n';)"),
             QStringLiteral(
                 R"(    int e[7][3] = {{0, 1, 1}, {1, 2, 1}, {2, 0, 1}, {1, 3, 1}, {3, 4, 1}, {4, 3, 1}, {5, 5, 1}};
    setEdges(graph, e, 7, false);
    for (int v = 0; v < 6; v++)
        if (!disc[v]) dfs(v, 6);
    printf("%d\n", sccCnt);
    int smallest[6];
    for (int v = 0; v < 6; v++) {
        smallest[v] = v;
        for (int u = 0; u < v; u++)
            if (sccId[u] == sccId[v] && u < smallest[v]) smallest[v] = u;
    }
    printInts(smallest, 6);
    for (int u = 0; u < 6; u++)
        if (sccId[u] == 0) {
            printf("%d\n", u);
            break;
        }
    memset(graph, 0, sizeof graph);
    memset(disc, 0, sizeof disc);
    sccCnt = 0;
    for (int i = 0; i < MAX; i++) graph[i][(i + 1) % MAX] = 1;
    for (int v = 0; v < MAX; v++)
        if (!disc[v]) dfs(v, MAX);
    printf("%d\n", sccCnt);)"),
             QStringLiteral(
                 R"(sccs = tarjan_scc(adjacency(6, [(0, 1), (1, 2), (2, 0), (1, 3), (3, 4), (4, 3), (5, 5)], False))
print(len(sccs))
smallest = {v: min(comp) for comp in sccs for v in comp}
print(*(smallest[v] for v in range(6)))
print(min(sccs[0]))
print(len(tarjan_scc(adjacency(5000, [(i, (i + 1) % 5000) for i in range(5000)], False)))))"),
             QStringLiteral("3\n0 0 0 3 3 5\n3\n1\n")},
        });
}

} // namespace
