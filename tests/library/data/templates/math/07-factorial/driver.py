f = compute_factorials(20)
print(f[0], f[5], f[20], len(compute_factorials(0)))
