static int primes[MAXN + 1];
int count = sieve(30, primes);
printf("%d:", count);
for (int i = 0; i < count; i++) printf(" %d", primes[i]);
printf(" %d%d%d%d%d", isPrime[0], isPrime[1], isPrime[2], isPrime[27], isPrime[29]);
printf(" %d", sieve(1000000, primes));
printf(" %d\n", sieve(1, primes));
