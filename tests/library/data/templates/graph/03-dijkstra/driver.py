show(dijkstra(weighted(6, [(0, 1, 4), (0, 2, 1), (2, 1, 2), (1, 3, 1), (2, 3, 5), (3, 4, 3)], False), 0))
show(dijkstra(weighted(3, [(0, 1, 2000000000), (1, 2, 2000000000)], False), 0))
