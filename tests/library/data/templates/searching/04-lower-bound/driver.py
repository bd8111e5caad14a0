print(*[bisect_left(DUP_ARR, t) for t in (2, 3, 8, 0, 7)], end=' \n')
