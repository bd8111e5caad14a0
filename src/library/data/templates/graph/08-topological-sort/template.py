from collections import deque

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
    return order