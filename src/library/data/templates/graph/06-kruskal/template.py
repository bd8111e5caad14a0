def kruskal(n, edges):
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
    return total