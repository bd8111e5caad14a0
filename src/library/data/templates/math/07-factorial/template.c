// fact[i] = i! % MOD (0 <= i <= n <= MAXN), 모듈러 없는 값은 20!까지만 long long에 들어감
#define MOD 1000000007
#define MAXN 1000000
long long fact[MAXN + 1];

void computeFactorials(int n) {
    fact[0] = 1;
    for (int i = 1; i <= n; i++) fact[i] = fact[i - 1] * i % MOD;
}