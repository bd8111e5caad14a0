for case in SORT_CASES:
    print(*quick_sort(case))
