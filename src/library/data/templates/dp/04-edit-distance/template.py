def edit_distance(a, b):
    # a를 b로 바꾸는 삽입, 삭제, 교체의 최소 횟수
    n, m = len(a), len(b)
    # dp[i][j]: a의 앞 i글자를 b의 앞 j글자로 바꾸는 최소 횟수
    dp = [[0] * (m + 1) for _ in range(n + 1)]
    for i in range(n + 1):
        dp[i][0] = i
    for j in range(m + 1):
        dp[0][j] = j
    for i in range(1, n + 1):
        for j in range(1, m + 1):
            if a[i - 1] == b[j - 1]:
                dp[i][j] = dp[i - 1][j - 1]
            else:
                dp[i][j] = 1 + min(dp[i - 1][j - 1], dp[i - 1][j], dp[i][j - 1])  # 교체, 삭제, 삽입
    return dp[n][m]