print(*ext_gcd(240, 46), *ext_gcd(0, 5))
