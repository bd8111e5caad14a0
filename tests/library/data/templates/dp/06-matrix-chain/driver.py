print(matrix_chain([10, 20, 30, 40, 30]), matrix_chain([40, 20, 30, 10, 30]), matrix_chain([5, 10]),
      matrix_chain([2000, 2000, 2000, 2000]))
