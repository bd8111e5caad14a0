for arr in ([3, 8, 1, 8, 2], [-5, -3, -9]):
    print(*find_max(arr))
