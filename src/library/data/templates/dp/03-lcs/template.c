// 두 문자열의 길이는 MAX 이하
int lcs(const char* a, const char* b) {
    static int dp[MAX + 1][MAX + 1];  // dp[i][j]: a의 앞 i글자와 b의 앞 j글자의 LCS 길이
    int n = strlen(a), m = strlen(b);
    for (int i = 0; i <= n; i++) {
        for (int j = 0; j <= m; j++) {
            if (i == 0 || j == 0) dp[i][j] = 0;
            else if (a[i - 1] == b[j - 1]) dp[i][j] = dp[i - 1][j - 1] + 1;
            else dp[i][j] = dp[i - 1][j] > dp[i][j - 1] ? dp[i - 1][j] : dp[i][j - 1];
        }
    }
    return dp[n][m];
}