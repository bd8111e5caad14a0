def mod_pow(base, exp, mod):
    # (base ** exp) % mod, 내장 함수 pow(base, exp, mod)와 같음
    result = 1 % mod
    base %= mod
    while exp > 0:
        if exp & 1:
            result = result * base % mod
        base = base * base % mod
        exp >>= 1
    return result