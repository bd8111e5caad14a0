table = SparseTable([5, 2, 8, 6, 3, 7, 1, 4])
r = [table.query(0, 7), table.query(0, 3), table.query(2, 4), table.query(3, 3), table.query(4, 5), table.query(2, 3)]
print(*r, SparseTable([42]).query(0, 0))
