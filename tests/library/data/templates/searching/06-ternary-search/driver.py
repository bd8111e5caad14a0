print(f'{ternary_search(-10, 10, lambda x: -(x - 2) ** 2 + 3):.4f} '
      f'{ternary_search(0, 10, lambda x: x * (6 - x)):.4f}')
