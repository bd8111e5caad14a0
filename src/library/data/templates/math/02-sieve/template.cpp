// isPrime[i]: i가 소수인지, 반환값: n 이하의 소수 목록
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
}