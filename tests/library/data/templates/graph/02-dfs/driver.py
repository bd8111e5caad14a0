g = adjacency(6, [(0, 1), (1, 2), (2, 0), (3, 4)], True)
visited = [False] * 6
dfs(g, 0, visited)
print(*map(int, visited))
dfs(g, 3, visited)
print(*map(int, visited))
chain = [[i + 1] for i in range(4999)] + [[]]
visited = [False] * 5000
dfs(chain, 0, visited)
print('deep ok' if all(visited) else 'deep failed')
