SORTED_ARR = [1, 3, 5, 7, 9, 11]
DUP_ARR = [1, 2, 2, 2, 5, 7]
