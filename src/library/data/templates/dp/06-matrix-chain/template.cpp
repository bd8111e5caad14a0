// i번 행렬의 크기가 dims[i] x dims[i + 1]일 때 (행렬 dims.size() - 1개) 최소 곱셈 횟수
long long matrixChain(const vector<int>& dims) {
    int n = (int)dims.size() - 1;
    if (n < 1) return 0;
    // dp[i][j]: i번부터 j번 행렬까지 곱하는 최소 횟수
    vector<vector<long long>> dp(n, vector<long long>(n, 0));
    for (int len = 2; len <= n; len++) {
        for (int i = 0; i + len - 1 < n; i++) {
            int j = i + len - 1;
            dp[i][j] = 1e18;
            for (int k = i; k < j; k++) {  // (i..k)와 (k+1..j)로 나누어 곱한다
                long long cost = dp[i][k] + dp[k + 1][j] + (long long)dims[i] * dims[k + 1] * dims[j + 1];
                dp[i][j] = min(dp[i][j], cost);
            }
        }
    }
    return dp[0][n - 1];
}