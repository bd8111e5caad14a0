for n, edges in ((5, [(0, 1, 4), (0, 2, 5), (1, 2, -3), (2, 3, 2)]),
                 (4, [(0, 1, 1), (1, 2, -1), (2, 3, -1), (3, 1, -1)]),
                 (3, [(1, 2, -1), (2, 1, -1)])):
    d = bellman_ford(n, edges, 0)
    if d is None:
        print('cycle')
    else:
        show(d)
