sccs = tarjan_scc(adjacency(6, [(0, 1), (1, 2), (2, 0), (1, 3), (3, 4), (4, 3), (5, 5)], False))
print(len(sccs))
smallest = {v: min(comp) for comp in sccs for v in comp}
print(*(smallest[v] for v in range(6)))
print(min(sccs[0]))
print(len(tarjan_scc(adjacency(5000, [(i, (i + 1) % 5000) for i in range(5000)], False))))
