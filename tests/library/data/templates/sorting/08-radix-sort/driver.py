for case in RADIX_CASES:
    print(*radix_sort(case))
