INF = float('inf')

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
    return dist