MOD = 10**9 + 7

def compute_factorials(n):
    # fact[i] = i! % MOD (0 <= i <= n)
    # 모듈러 없는 정확한 값은 math.factorial(n) (파이썬 정수는 크기 제한이 없음)
    fact = [1] * (n + 1)
    for i in range(1, n + 1):
        fact[i] = fact[i - 1] * i % MOD
    return fact