# The C++ variant is a hint only; the Python one must leave its input alone.
for case in SORT_CASES:
    before = list(case)
    print(*heap_sort(case))
    assert case == before
