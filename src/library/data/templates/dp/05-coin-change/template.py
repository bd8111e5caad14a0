def coin_change(coins, amount):
    # 각 동전을 여러 번 쓸 수 있을 때 amount를 만드는 최소 동전 수, 만들 수 없으면 -1
    INF = float('inf')
    dp = [0] + [INF] * amount
    for c in coins:
        for x in range(c, amount + 1):
            if dp[x - c] + 1 < dp[x]:
                dp[x] = dp[x - c] + 1
    return dp[amount] if dp[amount] != INF else -1