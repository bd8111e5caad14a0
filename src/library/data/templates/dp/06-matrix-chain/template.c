// i번 행렬의 크기가 dims[i] x dims[i + 1]일 때 (행렬 n개, n은 MAX 이하) 최소 곱셈 횟수
long long matrixChain(int dims[], int n) {
    static long long dp[MAX][MAX];  // dp[i][j]: i번부터 j번 행렬까지 곱하는 최소 횟수
    if (n < 1) return 0;
    for (int i = 0; i < n; i++) dp[i][i] = 0;
    for (int len = 2; len <= n; len++) {
        for (int i = 0; i + len - 1 < n; i++) {
            int j = i + len - 1;
            dp[i][j] = -1;
            for (int k = i; k < j; k++) {  // (i..k)와 (k+1..j)로 나누어 곱한다
                long long cost = dp[i][k] + dp[k + 1][j] + (long long)dims[i] * dims[k + 1] * dims[j + 1];
                if (dp[i][j] < 0 || cost < dp[i][j]) dp[i][j] = cost;
            }
        }
    }
    return dp[0][n - 1];
}