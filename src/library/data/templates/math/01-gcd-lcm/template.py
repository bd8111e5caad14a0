from math import gcd, lcm  # Python 3.9+

# 또는 직접 구현
def gcd(a, b):
    while b:
        a, b = b, a % b
    return a

def lcm(a, b):
    return a // gcd(a, b) * b