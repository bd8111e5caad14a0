print(*[binary_search(SORTED_ARR, t) for t in (7, 4, 1, 11, 12, 0)], binary_search([], 5))
