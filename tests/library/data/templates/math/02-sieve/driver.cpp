vector<int> primes = sieve(30);
cout << primes.size() << ':';
for (int p : primes) cout << ' ' << p;
cout << ' ' << isPrime[0] << isPrime[1] << isPrime[2] << isPrime[27] << isPrime[29];
cout << ' ' << sieve(1000000).size();
cout << ' ' << sieve(1).size() << '\n';
