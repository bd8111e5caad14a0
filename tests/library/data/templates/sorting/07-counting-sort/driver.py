for case in SORT_CASES:
    print(*counting_sort(case))
