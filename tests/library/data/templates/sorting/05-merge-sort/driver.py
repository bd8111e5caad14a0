for case in SORT_CASES:
    print(*merge_sort(case))
