// a를 b로 바꾸는 삽입, 삭제, 교체의 최소 횟수 (두 문자열의 길이는 MAX 이하)
int editDistance(const char* a, const char* b) {
    static int dp[MAX + 1][MAX + 1];  // dp[i][j]: a의 앞 i글자를 b의 앞 j글자로 바꾸는 최소 횟수
    int n = strlen(a), m = strlen(b);
    for (int i = 0; i <= n; i++) dp[i][0] = i;
    for (int j = 0; j <= m; j++) dp[0][j] = j;
    for (int i = 1; i <= n; i++) {
        for (int j = 1; j <= m; j++) {
            if (a[i - 1] == b[j - 1]) {
                dp[i][j] = dp[i - 1][j - 1];
            } else {
                int best = dp[i - 1][j - 1];                    // 교체
                if (dp[i - 1][j] < best) best = dp[i - 1][j];  // 삭제
                if (dp[i][j - 1] < best) best = dp[i][j - 1];  // 삽입
                dp[i][j] = best + 1;
            }
        }
    }
    return dp[n][m];
}