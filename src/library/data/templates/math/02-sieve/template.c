#define MAXN 1000000
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
}