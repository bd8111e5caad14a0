#include "library/templates/category_templates.h"

// The fragments are raw strings so they read as the code the user gets; each one
// starts right after the opening delimiter and ends without a line feed.

QList<AlgorithmTemplate> dpTemplates() {
    return {
        {QStringLiteral("배낭 문제 (0/1 Knapsack)"),
         QStringLiteral("제한된 용량에서 최대 가치 선택"), QStringLiteral("O(nW)"),
         QStringLiteral(
             R"code(// weight[i], value[i]: i번 물건의 무게와 가치, W: 배낭 용량 → 얻을 수 있는 최대 가치
long long knapsack(const vector<int>& weight, const vector<int>& value, int W) {
    vector<long long> dp(W + 1, 0);  // dp[w]: 무게 합이 w 이하일 때의 최대 가치
    for (int i = 0; i < (int)weight.size(); i++) {
        // 용량을 큰 쪽부터 줄여 가야 같은 물건을 두 번 넣지 않는다
        for (int w = W; w >= weight[i]; w--) {
            dp[w] = max(dp[w], dp[w - weight[i]] + value[i]);
        }
    }
    return dp[W];
})code"),
         QStringLiteral(
             R"code(// weight[i], value[i]: i번 물건의 무게와 가치 (n개), W: 배낭 용량 → 얻을 수 있는 최대 가치
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
})code"),
         QStringLiteral(R"code(def knapsack(weight, value, W):
    # weight[i], value[i]: i번 물건의 무게와 가치, W: 배낭 용량 → 얻을 수 있는 최대 가치
    dp = [0] * (W + 1)  # dp[w]: 무게 합이 w 이하일 때의 최대 가치
    for wt, val in zip(weight, value):
        # 용량을 큰 쪽부터 줄여 가야 같은 물건을 두 번 넣지 않는다
        for w in range(W, wt - 1, -1):
            if dp[w - wt] + val > dp[w]:
                dp[w] = dp[w - wt] + val
    return dp[W])code")},

        {QStringLiteral("LIS (최장 증가 부분 수열)"),
         QStringLiteral("가장 긴 증가하는 부분 수열의 길이"), QStringLiteral("O(n log n)"),
         QStringLiteral(R"code(// 순증가(같은 값은 한 번만) 부분 수열의 최대 길이
int lis(const vector<int>& arr) {
    vector<int> tails;  // tails[k]: 길이 k + 1인 증가 부분 수열의 끝값 중 가장 작은 값
    for (int x : arr) {
        auto it = lower_bound(tails.begin(), tails.end(), x);
        if (it == tails.end()) tails.push_back(x);
        else *it = x;
    }
    return tails.size();
})code"),
         QStringLiteral(R"code(// 순증가(같은 값은 한 번만) 부분 수열의 최대 길이
int lis(int arr[], int n) {
    static int tails[MAX];  // tails[k]: 길이 k + 1인 증가 부분 수열의 끝값 중 가장 작은 값
    int len = 0;
    for (int i = 0; i < n; i++) {
        // tails에서 arr[i] 이상인 첫 위치 (lower bound)
        int lo = 0, hi = len;
        while (lo < hi) {
            int mid = (lo + hi) / 2;
            if (tails[mid] < arr[i]) lo = mid + 1;
            else hi = mid;
        }
        tails[lo] = arr[i];
        if (lo == len) len++;
    }
    return len;
})code"),
         QStringLiteral(R"code(from bisect import bisect_left

def lis(arr):
    # 순증가(같은 값은 한 번만) 부분 수열의 최대 길이
    tails = []  # tails[k]: 길이 k + 1인 증가 부분 수열의 끝값 중 가장 작은 값
    for x in arr:
        i = bisect_left(tails, x)
        if i == len(tails):
            tails.append(x)
        else:
            tails[i] = x
    return len(tails))code")},

        {QStringLiteral("LCS (최장 공통 부분 수열)"),
         QStringLiteral("두 문자열의 가장 긴 공통 부분 수열"), QStringLiteral("O(nm)"),
         QStringLiteral(R"code(int lcs(const string& a, const string& b) {
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
})code"),
         QStringLiteral(R"code(// 두 문자열의 길이는 MAX 이하
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
})code"),
         QStringLiteral(R"code(def lcs(a, b):
    n, m = len(a), len(b)
    # dp[i][j]: a의 앞 i글자와 b의 앞 j글자의 LCS 길이
    dp = [[0] * (m + 1) for _ in range(n + 1)]
    for i in range(1, n + 1):
        for j in range(1, m + 1):
            if a[i - 1] == b[j - 1]:
                dp[i][j] = dp[i - 1][j - 1] + 1
            else:
                dp[i][j] = max(dp[i - 1][j], dp[i][j - 1])
    return dp[n][m])code")},

        {QStringLiteral("편집 거리"), QStringLiteral("두 문자열 사이의 최소 편집 연산 수"),
         QStringLiteral("O(nm)"),
         QStringLiteral(R"code(// a를 b로 바꾸는 삽입, 삭제, 교체의 최소 횟수
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
})code"),
         QStringLiteral(
             R"code(// a를 b로 바꾸는 삽입, 삭제, 교체의 최소 횟수 (두 문자열의 길이는 MAX 이하)
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
})code"),
         QStringLiteral(R"code(def edit_distance(a, b):
    # a를 b로 바꾸는 삽입, 삭제, 교체의 최소 횟수
    n, m = len(a), len(b)
    # dp[i][j]: a의 앞 i글자를 b의 앞 j글자로 바꾸는 최소 횟수
    dp = [[0] * (m + 1) for _ in range(n + 1)]
    for i in range(n + 1):
        dp[i][0] = i
    for j in range(m + 1):
        dp[0][j] = j
    for i in range(1, n + 1):
        for j in range(1, m + 1):
            if a[i - 1] == b[j - 1]:
                dp[i][j] = dp[i - 1][j - 1]
            else:
                dp[i][j] = 1 + min(dp[i - 1][j - 1], dp[i - 1][j], dp[i][j - 1])  # 교체, 삭제, 삽입
    return dp[n][m])code")},

        {QStringLiteral("동전 교환"), QStringLiteral("목표 금액을 만드는 최소 동전 수"),
         QStringLiteral("O(n × amount)"),
         QStringLiteral(
             R"code(// 각 동전을 여러 번 쓸 수 있을 때 amount를 만드는 최소 동전 수, 만들 수 없으면 -1
int coinChange(const vector<int>& coins, int amount) {
    vector<int> dp(amount + 1, amount + 1);  // amount + 1은 "만들 수 없음"을 뜻한다
    dp[0] = 0;
    for (int c : coins) {
        for (int x = c; x <= amount; x++) {
            dp[x] = min(dp[x], dp[x - c] + 1);
        }
    }
    return dp[amount] > amount ? -1 : dp[amount];
})code"),
         QStringLiteral(
             R"code(// 각 동전을 여러 번 쓸 수 있을 때 amount를 만드는 최소 동전 수, 만들 수 없으면 -1
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
})code"),
         QStringLiteral(R"code(def coin_change(coins, amount):
    # 각 동전을 여러 번 쓸 수 있을 때 amount를 만드는 최소 동전 수, 만들 수 없으면 -1
    INF = float('inf')
    dp = [0] + [INF] * amount
    for c in coins:
        for x in range(c, amount + 1):
            if dp[x - c] + 1 < dp[x]:
                dp[x] = dp[x - c] + 1
    return dp[amount] if dp[amount] != INF else -1)code")},

        {QStringLiteral("행렬 곱셈 순서"), QStringLiteral("행렬 곱셈의 최소 연산 횟수"),
         QStringLiteral("O(n³)"),
         QStringLiteral(
             R"code(// i번 행렬의 크기가 dims[i] x dims[i + 1]일 때 (행렬 dims.size() - 1개) 최소 곱셈 횟수
long long matrixChain(const vector<int>& dims) {
    int n = (int)dims.size() - 1;
    if (n < 1) return 0;
    // dp[i][j]: i번부터 j번 행렬까지 곱하는 최소 횟수
    vector<vector<long long>> dp(n, vector<long long>(n, 0));
    for (int len = 2; len <= n; len++) {
        for (int i = 0; i + len - 1 < n; i++) {
            int j = i + len - 1;
            dp[i][j] = 1e18;
            for (int k = i; k < j; k++) {  // (i..k)와 (k+1..j)로 나누어 곱한다
                long long cost = dp[i][k] + dp[k + 1][j] + (long long)dims[i] * dims[k + 1] * dims[j + 1];
                dp[i][j] = min(dp[i][j], cost);
            }
        }
    }
    return dp[0][n - 1];
})code"),
         QStringLiteral(
             R"code(// i번 행렬의 크기가 dims[i] x dims[i + 1]일 때 (행렬 n개, n은 MAX 이하) 최소 곱셈 횟수
long long matrixChain(int dims[], int n) {
    static long long dp[MAX][MAX];  // dp[i][j]: i번부터 j번 행렬까지 곱하는 최소 횟수
    if (n < 1) return 0;
    for (int i = 0; i < n; i++) dp[i][i] = 0;
    for (int len = 2; len <= n; len++) {
        for (int i = 0; i + len - 1 < n; i++) {
            int j = i + len - 1;
            dp[i][j] = -1;
            for (int k = i; k < j; k++) {  // (i..k)와 (k+1..j)로 나누어 곱한다
                long long cost = dp[i][k] + dp[k + 1][j] + (long long)dims[i] * dims[k + 1] * dims[j + 1];
                if (dp[i][j] < 0 || cost < dp[i][j]) dp[i][j] = cost;
            }
        }
    }
    return dp[0][n - 1];
})code"),
         QStringLiteral(R"code(def matrix_chain(dims):
    # i번 행렬의 크기가 dims[i] x dims[i + 1]일 때 (행렬 len(dims) - 1개) 최소 곱셈 횟수
    n = len(dims) - 1
    if n < 1:
        return 0
    # dp[i][j]: i번부터 j번 행렬까지 곱하는 최소 횟수
    dp = [[0] * n for _ in range(n)]
    for length in range(2, n + 1):
        for i in range(n - length + 1):
            j = i + length - 1
            dp[i][j] = min(dp[i][k] + dp[k + 1][j] + dims[i] * dims[k + 1] * dims[j + 1] for k in range(i, j))
    return dp[0][n - 1])code")},
    };
}
