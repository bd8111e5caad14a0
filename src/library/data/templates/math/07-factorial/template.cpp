// fact[i] = i! % MOD (0 <= i <= n), 모듈러 없는 값은 20!까지만 long long에 들어감
const int MOD = 1e9 + 7;

vector<long long> computeFactorials(int n) {
    vector<long long> fact(n + 1);
    fact[0] = 1;
    for (int i = 1; i <= n; i++) fact[i] = fact[i - 1] * i % MOD;
    return fact;
}