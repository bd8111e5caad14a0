print(*[bisect_right(DUP_ARR, t) for t in (2, 5, 7, 0, 1)], end=' \n')
