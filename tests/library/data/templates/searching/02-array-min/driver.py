for arr in ([3, 1, 8, 1, 2], [-5, -3, -9]):
    print(*find_min(arr))
