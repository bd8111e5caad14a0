from collections import deque

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
    return dist