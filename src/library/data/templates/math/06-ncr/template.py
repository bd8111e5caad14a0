# nCr % MOD (n <= MAXN), 모듈러 거듭제곱의 mod_pow 필요
MOD = 10**9 + 7
MAXN = 10**6
fact = [1] * (MAXN + 1)
inv_fact = [1] * (MAXN + 1)

def precompute():
    # 한 번만 호출
    for i in range(1, MAXN + 1):
        fact[i] = fact[i - 1] * i % MOD
    inv_fact[MAXN] = mod_pow(fact[MAXN], MOD - 2, MOD)
    for i in range(MAXN, 0, -1):
        inv_fact[i - 1] = inv_fact[i] * i % MOD

def nCr(n, r):
    if r < 0 or r > n:
        return 0
    return fact[n] * inv_fact[r] % MOD * inv_fact[n - r] % MOD