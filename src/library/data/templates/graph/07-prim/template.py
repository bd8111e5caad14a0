import heapq

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
    return total