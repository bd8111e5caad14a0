def mod_inverse(a, m):
    # m이 소수이고 a가 m의 배수가 아닐 때 (페르마의 소정리)
    return pow(a, m - 2, m)

def mod_inverse_ext(a, m):
    # gcd(a, m) = 1이면 m이 소수가 아니어도 됨, 역원이 없으면 -1 (ext_gcd 필요)
    g, x, _ = ext_gcd(a, m)
    return x % m if g == 1 else -1