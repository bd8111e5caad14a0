// weight[i], value[i]: i번 물건의 무게와 가치, W: 배낭 용량 → 얻을 수 있는 최대 가치
long long knapsack(const vector<int>& weight, const vector<int>& value, int W) {
    vector<long long> dp(W + 1, 0);  // dp[w]: 무게 합이 w 이하일 때의 최대 가치
    for (int i = 0; i < (int)weight.size(); i++) {
        // 용량을 큰 쪽부터 줄여 가야 같은 물건을 두 번 넣지 않는다
        for (int w = W; w >= weight[i]; w--) {
            dp[w] = max(dp[w], dp[w - weight[i]] + value[i]);
        }
    }
    return dp[W];
}