for case in SORT_CASES:
    print(*insertion_sort(list(case)))
