ft = FenwickTree(5)
for i in range(1, 6):
    ft.update(i, i)
r = [ft.query(3), ft.range_query(2, 4)]
ft.update(3, 10)
print(*r, ft.range_query(2, 4), ft.query(5), ft.range_query(1, 1))
