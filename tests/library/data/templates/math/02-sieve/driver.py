primes, is_prime = sieve(30)
flags = ''.join(str(int(is_prime[i])) for i in (0, 1, 2, 27, 29))
print(f"{len(primes)}:", *primes, flags, len(sieve(10**6)[0]), len(sieve(1)[0]))
