def show(dist):
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
    return g
