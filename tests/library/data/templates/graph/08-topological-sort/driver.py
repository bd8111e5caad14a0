print(*topological_sort(adjacency(4, [(3, 1), (1, 0), (0, 2), (3, 0), (1, 2)], False)))
print('cycle' if len(topological_sort(adjacency(4, [(0, 1), (1, 2), (2, 0)], False))) < 4 else 'no cycle')
