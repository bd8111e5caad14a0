// 각 동전을 여러 번 쓸 수 있을 때 amount를 만드는 최소 동전 수, 만들 수 없으면 -1
int coinChange(const vector<int>& coins, int amount) {
    vector<int> dp(amount + 1, amount + 1);  // amount + 1은 "만들 수 없음"을 뜻한다
    dp[0] = 0;
    for (int c : coins) {
        for (int x = c; x <= amount; x++) {
            dp[x] = min(dp[x], dp[x - c] + 1);
        }
    }
    return dp[amount] > amount ? -1 : dp[amount];
}