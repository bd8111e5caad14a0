int lcs(const string& a, const string& b) {
    int n = a.size(), m = b.size();
    // dp[i][j]: a의 앞 i글자와 b의 앞 j글자의 LCS 길이
    vector<vector<int>> dp(n + 1, vector<int>(m + 1, 0));
    for (int i = 1; i <= n; i++) {
        for (int j = 1; j <= m; j++) {
            if (a[i - 1] == b[j - 1]) dp[i][j] = dp[i - 1][j - 1] + 1;
            else dp[i][j] = max(dp[i - 1][j], dp[i][j - 1]);
        }
    }
    return dp[n][m];
}