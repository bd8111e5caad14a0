def rabin_karp(text, pattern):
    # text에서 pattern이 나타나는 모든 시작 위치 (해시가 같으면 직접 비교해 충돌을 걸러냄)
    base, mod = 256, 10**9 + 7
    n, m = len(text), len(pattern)
    if m == 0 or m > n:
        return []
    highest = pow(base, m - 1, mod)
    pattern_hash = window_hash = 0
    for i in range(m):
        pattern_hash = (pattern_hash * base + ord(pattern[i])) % mod
        window_hash = (window_hash * base + ord(text[i])) % mod
    result = []
    for i in range(n - m + 1):
        if pattern_hash == window_hash and text[i:i + m] == pattern:
            result.append(i)
        if i + m < n:
            # 맨 앞 문자를 빼고 다음 문자를 붙임
            window_hash = ((window_hash - ord(text[i]) * highest) * base + ord(text[i + m])) % mod
    return result