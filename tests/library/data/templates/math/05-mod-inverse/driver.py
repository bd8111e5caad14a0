print(mod_inverse(3, 7), mod_inverse(10, 1000000007), mod_inverse_ext(3, 10),
      mod_inverse_ext(4, 10), mod_inverse_ext(-3, 7), mod_inverse_ext(-1, 7))
