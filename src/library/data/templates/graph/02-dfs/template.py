import sys
sys.setrecursionlimit(10**6)

def dfs(graph, cur, visited):
    # graph: 인접 리스트, visited: [False] * 정점 수
    visited[cur] = True
    for nxt in graph[cur]:
        if not visited[nxt]:
            dfs(graph, nxt, visited)