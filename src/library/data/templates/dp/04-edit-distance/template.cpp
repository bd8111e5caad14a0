// a를 b로 바꾸는 삽입, 삭제, 교체의 최소 횟수
int editDistance(const string& a, const string& b) {
    int n = a.size(), m = b.size();
    // dp[i][j]: a의 앞 i글자를 b의 앞 j글자로 바꾸는 최소 횟수
    vector<vector<int>> dp(n + 1, vector<int>(m + 1, 0));
    for (int i = 0; i <= n; i++) dp[i][0] = i;
    for (int j = 0; j <= m; j++) dp[0][j] = j;
    for (int i = 1; i <= n; i++) {
        for (int j = 1; j <= m; j++) {
            if (a[i - 1] == b[j - 1]) dp[i][j] = dp[i - 1][j - 1];
            else dp[i][j] = 1 + min({dp[i - 1][j - 1], dp[i - 1][j], dp[i][j - 1]});  // 교체, 삭제, 삽입
        }
    }
    return dp[n][m];
}