// weight[i], value[i]: i번 물건의 무게와 가치 (n개), W: 배낭 용량 → 얻을 수 있는 최대 가치
long long knapsack(int weight[], int value[], int n, int W) {
    long long* dp = (long long*)calloc(W + 1, sizeof(long long));  // dp[w]: 무게 합이 w 이하일 때의 최대 가치
    for (int i = 0; i < n; i++) {
        // 용량을 큰 쪽부터 줄여 가야 같은 물건을 두 번 넣지 않는다
        for (int w = W; w >= weight[i]; w--) {
            if (dp[w - weight[i]] + value[i] > dp[w]) dp[w] = dp[w - weight[i]] + value[i];
        }
    }
    long long best = dp[W];
    free(dp);
    return best;
}