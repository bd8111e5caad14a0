def matrix_chain(dims):
    # i번 행렬의 크기가 dims[i] x dims[i + 1]일 때 (행렬 len(dims) - 1개) 최소 곱셈 횟수
    n = len(dims) - 1
    if n < 1:
        return 0
    # dp[i][j]: i번부터 j번 행렬까지 곱하는 최소 횟수
    dp = [[0] * n for _ in range(n)]
    for length in range(2, n + 1):
        for i in range(n - length + 1):
            j = i + length - 1
            dp[i][j] = min(dp[i][k] + dp[k + 1][j] + dims[i] * dims[k + 1] * dims[j + 1] for k in range(i, j))
    return dp[0][n - 1]