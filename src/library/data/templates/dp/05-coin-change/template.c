// 각 동전을 여러 번 쓸 수 있을 때 amount를 만드는 최소 동전 수, 만들 수 없으면 -1
int coinChange(int coins[], int n, int amount) {
    int* dp = (int*)malloc((amount + 1) * sizeof(int));
    dp[0] = 0;
    for (int x = 1; x <= amount; x++) dp[x] = amount + 1;  // amount + 1은 "만들 수 없음"을 뜻한다
    for (int i = 0; i < n; i++) {
        for (int x = coins[i]; x <= amount; x++) {
            if (dp[x - coins[i]] + 1 < dp[x]) dp[x] = dp[x - coins[i]] + 1;
        }
    }
    int ans = dp[amount] > amount ? -1 : dp[amount];
    free(dp);
    return ans;
}