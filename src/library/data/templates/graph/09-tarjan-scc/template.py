def tarjan_scc(graph):
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
    return sccs