def ext_gcd(a, b):
    # (g, x, y): a * x + b * y = g = gcd(a, b)
    if b == 0:
        return a, 1, 0
    g, x, y = ext_gcd(b, a % b)
    return g, y, x - (a // b) * y