for case in SORT_CASES:
    print(*selection_sort(list(case)))
