g = adjacency(6, [(0, 1), (0, 2), (1, 3), (2, 3), (3, 4)], True)
print(*bfs(g, 0))
print(*bfs(g, 5))
