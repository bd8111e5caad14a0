// nCr % MOD (n <= MAXN), 모듈러 거듭제곱의 modPow 필요
#define MOD 1000000007
#define MAXN 1000000
long long fact[MAXN + 1], invFact[MAXN + 1];

// 한 번만 호출
void precompute(void) {
    fact[0] = 1;
    for (int i = 1; i <= MAXN; i++) fact[i] = fact[i - 1] * i % MOD;
    invFact[MAXN] = modPow(fact[MAXN], MOD - 2, MOD);
    for (int i = MAXN; i > 0; i--) invFact[i - 1] = invFact[i] * i % MOD;
}

long long nCr(int n, int r) {
    if (r < 0 || r > n) return 0;
    return fact[n] * invFact[r] % MOD * invFact[n - r] % MOD;
}