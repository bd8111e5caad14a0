import heapq

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
    return dist