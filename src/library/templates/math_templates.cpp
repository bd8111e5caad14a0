#include "library/templates/category_templates.h"

using namespace Qt::StringLiterals;

QList<AlgorithmTemplate> mathTemplates() {
    return {
        {u"GCD/LCM"_s, u"최대공약수와 최소공배수"_s, u"O(log min(a,b))"_s,
         uR"code(// C++17: __gcd(a, b) 또는 gcd(a, b)
long long gcd(long long a, long long b) {
    return b ? gcd(b, a % b) : a;
}
long long lcm(long long a, long long b) {
    return a / gcd(a, b) * b;
})code"_s,
         uR"code(long long gcd(long long a, long long b) {
    return b ? gcd(b, a % b) : a;
}
long long lcm(long long a, long long b) {
    return a / gcd(a, b) * b;
})code"_s,
         uR"code(from math import gcd, lcm  # Python 3.9+

# 또는 직접 구현
def gcd(a, b):
    while b:
        a, b = b, a % b
    return a

def lcm(a, b):
    return a // gcd(a, b) * b)code"_s},

        {u"에라토스테네스의 체"_s, u"소수 판별 및 목록 생성"_s, u"O(n log log n)"_s,
         uR"code(// isPrime[i]: i가 소수인지, 반환값: n 이하의 소수 목록
vector<bool> isPrime;

vector<int> sieve(int n) {
    isPrime.assign(max(n + 1, 2), true);
    isPrime[0] = isPrime[1] = false;
    vector<int> primes;
    for (int i = 2; i <= n; i++) {
        if (!isPrime[i]) continue;
        primes.push_back(i);
        for (long long j = (long long)i * i; j <= n; j += i) isPrime[j] = false;
    }
    return primes;
})code"_s,
         uR"code(#define MAXN 1000000
bool isPrime[MAXN + 1];

// n (<= MAXN) 이하의 소수를 primes에 담고 개수를 반환, isPrime[i]: i가 소수인지
int sieve(int n, int primes[]) {
    int count = 0;
    for (int i = 0; i <= n; i++) isPrime[i] = i >= 2;
    for (int i = 2; i <= n; i++) {
        if (!isPrime[i]) continue;
        primes[count++] = i;
        for (long long j = (long long)i * i; j <= n; j += i) isPrime[j] = false;
    }
    return count;
})code"_s,
         uR"code(def sieve(n):
    # 반환값: (n 이하의 소수 목록, is_prime), is_prime[i]: i가 소수인지
    is_prime = [i >= 2 for i in range(n + 1)]
    i = 2
    while i * i <= n:
        if is_prime[i]:
            is_prime[i * i::i] = [False] * len(range(i * i, n + 1, i))
        i += 1
    return [i for i in range(n + 1) if is_prime[i]], is_prime)code"_s},

        {u"모듈러 거듭제곱"_s, u"큰 수의 거듭제곱을 모듈러 연산"_s, u"O(log n)"_s,
         uR"code(// (base ^ exp) % mod, mod * mod가 long long 범위 안이어야 함
long long modPow(long long base, long long exp, long long mod) {
    long long result = 1 % mod;
    base %= mod;
    if (base < 0) base += mod;
    while (exp > 0) {
        if (exp & 1) result = result * base % mod;
        base = base * base % mod;
        exp >>= 1;
    }
    return result;
})code"_s,
         uR"code(// (base ^ exp) % mod, mod * mod가 long long 범위 안이어야 함
long long modPow(long long base, long long exp, long long mod) {
    long long result = 1 % mod;
    base %= mod;
    if (base < 0) base += mod;
    while (exp > 0) {
        if (exp & 1) result = result * base % mod;
        base = base * base % mod;
        exp >>= 1;
    }
    return result;
})code"_s,
         uR"code(def mod_pow(base, exp, mod):
    # (base ** exp) % mod, 내장 함수 pow(base, exp, mod)와 같음
    result = 1 % mod
    base %= mod
    while exp > 0:
        if exp & 1:
            result = result * base % mod
        base = base * base % mod
        exp >>= 1
    return result)code"_s},

        {u"확장 유클리드"_s, u"ax + by = gcd(a,b)를 만족하는 x, y 찾기"_s, u"O(log min(a,b))"_s,
         uR"code(// {g, x, y}: a * x + b * y = g = gcd(a, b)
tuple<long long, long long, long long> extGcd(long long a, long long b) {
    if (b == 0) return {a, 1, 0};
    auto [g, x, y] = extGcd(b, a % b);
    return {g, y, x - (a / b) * y};
})code"_s,
         uR"code(// a * x + b * y = gcd(a, b)인 x, y를 채우고 gcd(a, b)를 반환
long long extGcd(long long a, long long b, long long* x, long long* y) {
    if (b == 0) {
        *x = 1;
        *y = 0;
        return a;
    }
    long long nx, ny;
    long long g = extGcd(b, a % b, &nx, &ny);
    *x = ny;
    *y = nx - (a / b) * ny;
    return g;
})code"_s,
         uR"code(def ext_gcd(a, b):
    # (g, x, y): a * x + b * y = g = gcd(a, b)
    if b == 0:
        return a, 1, 0
    g, x, y = ext_gcd(b, a % b)
    return g, y, x - (a // b) * y)code"_s},

        {u"모듈러 역원"_s, u"a의 모듈러 역원 (a⁻¹ mod m)"_s, u"O(log m)"_s,
         uR"code(// m이 소수이고 a가 m의 배수가 아닐 때 (페르마의 소정리), modPow 필요
long long modInverse(long long a, long long m) {
    return modPow(a, m - 2, m);
}

// gcd(a, m) = 1이면 m이 소수가 아니어도 됨, 역원이 없으면 -1 (extGcd 필요)
long long modInverseExt(long long a, long long m) {
    auto [g, x, y] = extGcd((a % m + m) % m, m);
    return g == 1 ? (x % m + m) % m : -1;
})code"_s,
         uR"code(// m이 소수이고 a가 m의 배수가 아닐 때 (페르마의 소정리), modPow 필요
long long modInverse(long long a, long long m) {
    return modPow(a, m - 2, m);
})code"_s,
         uR"code(def mod_inverse(a, m):
    # m이 소수이고 a가 m의 배수가 아닐 때 (페르마의 소정리)
    return pow(a, m - 2, m)

def mod_inverse_ext(a, m):
    # gcd(a, m) = 1이면 m이 소수가 아니어도 됨, 역원이 없으면 -1 (ext_gcd 필요)
    g, x, _ = ext_gcd(a, m)
    return x % m if g == 1 else -1)code"_s},

        {u"조합 (nCr)"_s, u"이항 계수 계산"_s, u"O(n) 전처리, O(1) 쿼리"_s,
         uR"code(// nCr % MOD (n <= MAXN), 모듈러 거듭제곱의 modPow 필요
const int MOD = 1e9 + 7;
const int MAXN = 1e6;
long long fact[MAXN + 1], invFact[MAXN + 1];

// 한 번만 호출
void precompute() {
    fact[0] = 1;
    for (int i = 1; i <= MAXN; i++) fact[i] = fact[i - 1] * i % MOD;
    invFact[MAXN] = modPow(fact[MAXN], MOD - 2, MOD);
    for (int i = MAXN; i > 0; i--) invFact[i - 1] = invFact[i] * i % MOD;
}

long long nCr(int n, int r) {
    if (r < 0 || r > n) return 0;
    return fact[n] * invFact[r] % MOD * invFact[n - r] % MOD;
})code"_s,
         uR"code(// nCr % MOD (n <= MAXN), 모듈러 거듭제곱의 modPow 필요
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
})code"_s,
         uR"code(# nCr % MOD (n <= MAXN), 모듈러 거듭제곱의 mod_pow 필요
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
    return fact[n] * inv_fact[r] % MOD * inv_fact[n - r] % MOD)code"_s},

        {u"팩토리얼"_s, u"n! 계산 및 모듈러 연산"_s, u"O(n)"_s,
         uR"code(// fact[i] = i! % MOD (0 <= i <= n), 모듈러 없는 값은 20!까지만 long long에 들어감
const int MOD = 1e9 + 7;

vector<long long> computeFactorials(int n) {
    vector<long long> fact(n + 1);
    fact[0] = 1;
    for (int i = 1; i <= n; i++) fact[i] = fact[i - 1] * i % MOD;
    return fact;
})code"_s,
         uR"code(// fact[i] = i! % MOD (0 <= i <= n <= MAXN), 모듈러 없는 값은 20!까지만 long long에 들어감
#define MOD 1000000007
#define MAXN 1000000
long long fact[MAXN + 1];

void computeFactorials(int n) {
    fact[0] = 1;
    for (int i = 1; i <= n; i++) fact[i] = fact[i - 1] * i % MOD;
})code"_s,
         uR"code(MOD = 10**9 + 7

def compute_factorials(n):
    # fact[i] = i! % MOD (0 <= i <= n)
    # 모듈러 없는 정확한 값은 math.factorial(n) (파이썬 정수는 크기 제한이 없음)
    fact = [1] * (n + 1)
    for i in range(1, n + 1):
        fact[i] = fact[i - 1] * i % MOD
    return fact)code"_s},
    };
}
