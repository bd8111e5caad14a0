#include "template_harness.h"

#include "support/printers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Modular inverse and nCr are checked with the fragments they call pasted first.
TEST(MathTemplates, EveryVariantCompilesAndComputes) {
    checkCategoryTemplates(
        AlgorithmCategory::math, {},
        {
            {u"GCD/LCM"_s,
             uR"(cout << gcd(12LL, 18LL) << ' ' << lcm(4LL, 6LL) << ' ' << gcd(0LL, 5LL) << ' '
     << lcm(1000000000LL, 999999999LL) << '\n';)"_s,
             uR"(printf("%lld %lld %lld %lld\n", gcd(12, 18), lcm(4, 6), gcd(0, 5), lcm(1000000000, 999999999));)"_s,
             uR"(print(gcd(12, 18), lcm(4, 6), gcd(0, 5), lcm(10**9, 999999999)))"_s,
             u"6 12 5 999999999000000000\n"_s},
            {u"에라토스테네스의 체"_s, uR"(vector<int> primes = sieve(30);
cout << primes.size() << ':';
for (int p : primes) cout << ' ' << p;
cout << ' ' << isPrime[0] << isPrime[1] << isPrime[2] << isPrime[27] << isPrime[29];
cout << ' ' << sieve(1000000).size();
cout << ' ' << sieve(1).size() << '\n';)"_s,
             uR"(static int primes[MAXN + 1];
int count = sieve(30, primes);
printf("%d:", count);
for (int i = 0; i < count; i++) printf(" %d", primes[i]);
printf(" %d%d%d%d%d", isPrime[0], isPrime[1], isPrime[2], isPrime[27], isPrime[29]);
printf(" %d", sieve(1000000, primes));
printf(" %d\n", sieve(1, primes));)"_s,
             uR"(primes, is_prime = sieve(30)
flags = ''.join(str(int(is_prime[i])) for i in (0, 1, 2, 27, 29))
print(f"{len(primes)}:", *primes, flags, len(sieve(10**6)[0]), len(sieve(1)[0])))"_s,
             u"10: 2 3 5 7 11 13 17 19 23 29 00101 78498 0\n"_s},
            {u"모듈러 거듭제곱"_s, uR"(cout << modPow(2, 10, 1000) << ' ' << modPow(3, 0, 7) << ' '
     << modPow(2, 1000000006, 1000000007) << ' ' << modPow(-2, 3, 5) << ' ' << modPow(5, 3, 1)
     << ' ' << modPow(123456789, 987654321, 1000000007) << '\n';)"_s,
             uR"(printf("%lld %lld %lld %lld %lld %lld\n", modPow(2, 10, 1000), modPow(3, 0, 7),
       modPow(2, 1000000006, 1000000007), modPow(-2, 3, 5), modPow(5, 3, 1),
       modPow(123456789, 987654321, 1000000007));)"_s,
             uR"(print(mod_pow(2, 10, 1000), mod_pow(3, 0, 7), mod_pow(2, 1000000006, 1000000007),
      mod_pow(-2, 3, 5), mod_pow(5, 3, 1), mod_pow(123456789, 987654321, 1000000007)))"_s,
             u"24 1 1 2 0 652541198\n"_s},
            {u"확장 유클리드"_s, uR"(auto [g, x, y] = extGcd(240, 46);
auto [g2, x2, y2] = extGcd(0, 5);
cout << g << ' ' << x << ' ' << y << ' ' << g2 << ' ' << x2 << ' ' << y2 << '\n';)"_s,
             uR"(long long x, y, x2, y2;
long long g = extGcd(240, 46, &x, &y);
long long g2 = extGcd(0, 5, &x2, &y2);
printf("%lld %lld %lld %lld %lld %lld\n", g, x, y, g2, x2, y2);)"_s,
             uR"(print(*ext_gcd(240, 46), *ext_gcd(0, 5)))"_s, u"2 -9 47 5 0 1\n"_s},
            {u"모듈러 역원"_s,
             uR"(cout << modInverse(3, 7) << ' ' << modInverse(10, 1000000007) << ' '
     << modInverseExt(3, 10) << ' ' << modInverseExt(4, 10) << ' ' << modInverseExt(-3, 7)
     << ' ' << modInverseExt(-1, 7) << '\n';)"_s,
             uR"(printf("%lld %lld\n", modInverse(3, 7), modInverse(10, 1000000007));)"_s,
             uR"(print(mod_inverse(3, 7), mod_inverse(10, 1000000007), mod_inverse_ext(3, 10),
      mod_inverse_ext(4, 10), mod_inverse_ext(-3, 7), mod_inverse_ext(-1, 7)))"_s,
             u"5 700000005 7 -1 2 6\n"_s,
             u"5 700000005\n"_s,
             {u"모듈러 거듭제곱"_s, u"확장 유클리드"_s}},
            {u"조합 (nCr)"_s,
             uR"(precompute();
cout << nCr(5, 2) << ' ' << nCr(10, 0) << ' ' << nCr(10, 10) << ' ' << nCr(3, 5) << ' '
     << nCr(1000000, 500000) << '\n';)"_s,
             uR"(precompute();
printf("%lld %lld %lld %lld %lld\n", nCr(5, 2), nCr(10, 0), nCr(10, 10), nCr(3, 5),
       nCr(1000000, 500000));)"_s,
             uR"(precompute()
print(nCr(5, 2), nCr(10, 0), nCr(10, 10), nCr(3, 5), nCr(1000000, 500000)))"_s,
             u"10 1 1 0 996692777\n"_s,
             QString(),
             {u"모듈러 거듭제곱"_s}},
            {u"팩토리얼"_s, uR"(vector<long long> f = computeFactorials(20);
cout << f[0] << ' ' << f[5] << ' ' << f[20] << ' ' << computeFactorials(0).size() << '\n';)"_s,
             uR"(computeFactorials(20);
printf("%lld %lld %lld %lld\n", fact[0], fact[5], fact[20], fact[1]);)"_s,
             uR"(f = compute_factorials(20)
print(f[0], f[5], f[20], len(compute_factorials(0))))"_s,
             u"1 120 146326063 1\n"_s},
        });
}

} // namespace
