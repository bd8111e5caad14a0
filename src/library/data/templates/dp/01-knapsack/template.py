def knapsack(weight, value, W):
    # weight[i], value[i]: i번 물건의 무게와 가치, W: 배낭 용량 → 얻을 수 있는 최대 가치
    dp = [0] * (W + 1)  # dp[w]: 무게 합이 w 이하일 때의 최대 가치
    for wt, val in zip(weight, value):
        # 용량을 큰 쪽부터 줄여 가야 같은 물건을 두 번 넣지 않는다
        for w in range(W, wt - 1, -1):
            if dp[w - wt] + val > dp[w]:
                dp[w] = dp[w - wt] + val
    return dp[W]