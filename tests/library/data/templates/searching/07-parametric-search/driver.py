print(parametric_search(0, 1000000, lambda x: x * x <= 1000),
      parametric_search(0, 100, lambda x: x < 0),
      parametric_search(-5, 50, lambda x: True),
      parametric_search(-10, 10, lambda x: x <= -3))
