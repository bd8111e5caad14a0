for case in SORT_CASES:
    print(*bubble_sort(list(case)))
