def sieve(n):
    # 반환값: (n 이하의 소수 목록, is_prime), is_prime[i]: i가 소수인지
    is_prime = [i >= 2 for i in range(n + 1)]
    i = 2
    while i * i <= n:
        if is_prime[i]:
            is_prime[i * i::i] = [False] * len(range(i * i, n + 1, i))
        i += 1
    return [i for i in range(n + 1) if is_prime[i]], is_prime