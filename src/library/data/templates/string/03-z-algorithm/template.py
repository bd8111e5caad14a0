def z_function(s):
    # z[i]: s와 s[i:]의 가장 긴 공통 접두사 길이 (z[0] = n)
    n = len(s)
    z = [0] * n
    if n > 0:
        z[0] = n
    # [l, r): 지금까지 찾은 일치 구간 중 가장 오른쪽으로 뻗은 것
    l = r = 0
    for i in range(1, n):
        if i < r:
            z[i] = min(r - i, z[i - l])
        while i + z[i] < n and s[z[i]] == s[i + z[i]]:
            z[i] += 1
        if i + z[i] > r:
            l, r = i, i + z[i]
    return z