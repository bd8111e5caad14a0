d = [[0 if i == j else INF for j in range(5)] for i in range(5)]
d[0][1], d[0][2], d[1][2], d[2][3] = 5, 9, 2, -1
floyd_warshall(d)
for row in d:
    show(row)
