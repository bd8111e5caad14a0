#include "library/templates/category_templates.h"

// The fragments are raw strings so they read as the code the user gets; each one
// starts right after the opening delimiter and ends without a line feed.

QList<AlgorithmTemplate> searchingTemplates() {
    return {
        {QStringLiteral("배열 최댓값 찾기"),
         QStringLiteral("배열에서 가장 큰 값과 인덱스를 찾는 알고리즘"), QStringLiteral("O(n)"),
         QStringLiteral(R"code(// STL 한 줄 버전
// int maxVal = *max_element(arr.begin(), arr.end());
// int maxIdx = max_element(arr.begin(), arr.end()) - arr.begin();

// 직접 구현: {최댓값, 인덱스} (최댓값이 여러 개면 가장 앞의 인덱스)
pair<int, int> findMax(const vector<int>& arr) {
    int maxVal = arr[0], maxIdx = 0;
    for (int i = 1; i < (int)arr.size(); i++) {
        if (arr[i] > maxVal) {
            maxVal = arr[i];
            maxIdx = i;
        }
    }
    return {maxVal, maxIdx};
})code"),
         QStringLiteral(
             R"code(// 최댓값을 반환하고 그 인덱스를 *idx에 저장 (여러 개면 가장 앞의 인덱스)
int findMax(int arr[], int n, int* idx) {
    int maxVal = arr[0];
    *idx = 0;
    for (int i = 1; i < n; i++) {
        if (arr[i] > maxVal) {
            maxVal = arr[i];
            *idx = i;
        }
    }
    return maxVal;
})code"),
         QStringLiteral(R"code(# 한 줄 버전
# max_val = max(arr)
# max_idx = arr.index(max_val)

# 직접 구현: (최댓값, 인덱스) (최댓값이 여러 개면 가장 앞의 인덱스)
def find_max(arr):
    max_val = arr[0]
    max_idx = 0
    for i in range(1, len(arr)):
        if arr[i] > max_val:
            max_val = arr[i]
            max_idx = i
    return max_val, max_idx)code")},

        {QStringLiteral("배열 최솟값 찾기"),
         QStringLiteral("배열에서 가장 작은 값과 인덱스를 찾는 알고리즘"), QStringLiteral("O(n)"),
         QStringLiteral(R"code(// STL 한 줄 버전
// int minVal = *min_element(arr.begin(), arr.end());
// int minIdx = min_element(arr.begin(), arr.end()) - arr.begin();

// 직접 구현: {최솟값, 인덱스} (최솟값이 여러 개면 가장 앞의 인덱스)
pair<int, int> findMin(const vector<int>& arr) {
    int minVal = arr[0], minIdx = 0;
    for (int i = 1; i < (int)arr.size(); i++) {
        if (arr[i] < minVal) {
            minVal = arr[i];
            minIdx = i;
        }
    }
    return {minVal, minIdx};
})code"),
         QStringLiteral(
             R"code(// 최솟값을 반환하고 그 인덱스를 *idx에 저장 (여러 개면 가장 앞의 인덱스)
int findMin(int arr[], int n, int* idx) {
    int minVal = arr[0];
    *idx = 0;
    for (int i = 1; i < n; i++) {
        if (arr[i] < minVal) {
            minVal = arr[i];
            *idx = i;
        }
    }
    return minVal;
})code"),
         QStringLiteral(R"code(# 한 줄 버전
# min_val = min(arr)
# min_idx = arr.index(min_val)

# 직접 구현: (최솟값, 인덱스) (최솟값이 여러 개면 가장 앞의 인덱스)
def find_min(arr):
    min_val = arr[0]
    min_idx = 0
    for i in range(1, len(arr)):
        if arr[i] < min_val:
            min_val = arr[i]
            min_idx = i
    return min_val, min_idx)code")},

        {QStringLiteral("이분 탐색"), QStringLiteral("정렬된 배열에서 특정 값을 찾는 알고리즘"),
         QStringLiteral("O(log n)"),
         QStringLiteral(R"code(// 오름차순으로 정렬된 arr에서 target의 인덱스를 반환 (없으면 -1)
int binarySearch(const vector<int>& arr, int target) {
    int lo = 0, hi = (int)arr.size() - 1;
    while (lo <= hi) {
        int mid = lo + (hi - lo) / 2;  // (lo + hi) / 2는 오버플로가 날 수 있다
        if (arr[mid] == target) return mid;
        if (arr[mid] < target) lo = mid + 1;
        else hi = mid - 1;
    }
    return -1;
})code"),
         QStringLiteral(R"code(// 오름차순으로 정렬된 arr에서 target의 인덱스를 반환 (없으면 -1)
int binarySearch(int arr[], int n, int target) {
    int lo = 0, hi = n - 1;
    while (lo <= hi) {
        int mid = lo + (hi - lo) / 2;  // (lo + hi) / 2는 오버플로가 날 수 있다
        if (arr[mid] == target) return mid;
        if (arr[mid] < target) lo = mid + 1;
        else hi = mid - 1;
    }
    return -1;
})code"),
         QStringLiteral(R"code(def binary_search(arr, target):
    # 오름차순으로 정렬된 arr에서 target의 인덱스를 반환 (없으면 -1)
    lo, hi = 0, len(arr) - 1
    while lo <= hi:
        mid = (lo + hi) // 2
        if arr[mid] == target:
            return mid
        if arr[mid] < target:
            lo = mid + 1
        else:
            hi = mid - 1
    return -1)code")},

        {QStringLiteral("Lower Bound"), QStringLiteral("target 이상인 첫 번째 위치를 찾음"),
         QStringLiteral("O(log n)"),
         QStringLiteral(R"code(// C++에서는 lower_bound(arr.begin(), arr.end(), target) 사용)code"),
         QStringLiteral(R"code(// 정렬된 arr에서 target 이상인 첫 위치 (모두 작으면 n)
int lowerBound(int arr[], int n, int target) {
    int lo = 0, hi = n;
    while (lo < hi) {
        int mid = lo + (hi - lo) / 2;
        if (arr[mid] < target) lo = mid + 1;
        else hi = mid;
    }
    return lo;
})code"),
         QStringLiteral(R"code(from bisect import bisect_left
# bisect_left(arr, target) 사용)code")},

        {QStringLiteral("Upper Bound"), QStringLiteral("target 초과인 첫 번째 위치를 찾음"),
         QStringLiteral("O(log n)"),
         QStringLiteral(R"code(// C++에서는 upper_bound(arr.begin(), arr.end(), target) 사용)code"),
         QStringLiteral(R"code(// 정렬된 arr에서 target보다 큰 첫 위치 (모두 target 이하면 n)
int upperBound(int arr[], int n, int target) {
    int lo = 0, hi = n;
    while (lo < hi) {
        int mid = lo + (hi - lo) / 2;
        if (arr[mid] <= target) lo = mid + 1;
        else hi = mid;
    }
    return lo;
})code"),
         QStringLiteral(R"code(from bisect import bisect_right
# bisect_right(arr, target) 사용)code")},

        {QStringLiteral("삼분 탐색"), QStringLiteral("유니모달 함수의 극값을 찾는 알고리즘"),
         QStringLiteral("O(log n)"),
         QStringLiteral(R"code(// f가 [lo, hi]에서 증가하다가 감소할 때 최댓값을 주는 x를 반환
// 최솟값을 찾으려면 f(m1) > f(m2)로 바꾼다
// 예: ternarySearch(0, 10, [](double x) { return -(x - 3) * (x - 3); })
template <typename F>
double ternarySearch(double lo, double hi, F f) {
    for (int iter = 0; iter < 100; iter++) {
        double m1 = lo + (hi - lo) / 3;
        double m2 = hi - (hi - lo) / 3;
        if (f(m1) < f(m2)) lo = m1;
        else hi = m2;
    }
    return (lo + hi) / 2;
})code"),
         QStringLiteral(R"code(// f가 [lo, hi]에서 증가하다가 감소할 때 최댓값을 주는 x를 반환
// 최솟값을 찾으려면 f(m1) > f(m2)로 바꾼다
double ternarySearch(double lo, double hi, double (*f)(double)) {
    for (int iter = 0; iter < 100; iter++) {
        double m1 = lo + (hi - lo) / 3;
        double m2 = hi - (hi - lo) / 3;
        if (f(m1) < f(m2)) lo = m1;
        else hi = m2;
    }
    return (lo + hi) / 2;
})code"),
         QStringLiteral(R"code(def ternary_search(lo, hi, f):
    # f가 [lo, hi]에서 증가하다가 감소할 때 최댓값을 주는 x를 반환
    # 최솟값을 찾으려면 f(m1) > f(m2)로 바꾼다
    for _ in range(100):
        m1 = lo + (hi - lo) / 3
        m2 = hi - (hi - lo) / 3
        if f(m1) < f(m2):
            lo = m1
        else:
            hi = m2
    return (lo + hi) / 2)code")},

        {QStringLiteral("파라메트릭 서치"),
         QStringLiteral("최적화 문제를 결정 문제로 변환하여 이분 탐색"),
         QStringLiteral("O(log n × check)"),
         QStringLiteral(
             R"code(// [lo, hi]에서 check(x)가 참인 가장 큰 x를 반환 (하나도 없으면 lo - 1)
// check는 어떤 값까지 참이고 그 뒤로는 거짓이어야 한다
// 예: parametricSearch(1, 2e9, [&](long long len) { return pieces(len) >= k; })
template <typename F>
long long parametricSearch(long long lo, long long hi, F check) {
    long long ans = lo - 1;
    while (lo <= hi) {
        long long mid = lo + (hi - lo) / 2;
        if (check(mid)) {
            ans = mid;  // 가능하니 더 큰 값을 시도
            lo = mid + 1;
        } else {
            hi = mid - 1;
        }
    }
    return ans;
})code"),
         QStringLiteral(
             R"code(// [lo, hi]에서 check(x)가 참인 가장 큰 x를 반환 (하나도 없으면 lo - 1)
// check는 어떤 값까지 참이고 그 뒤로는 거짓이어야 한다
long long parametricSearch(long long lo, long long hi, bool (*check)(long long)) {
    long long ans = lo - 1;
    while (lo <= hi) {
        long long mid = lo + (hi - lo) / 2;
        if (check(mid)) {
            ans = mid;  // 가능하니 더 큰 값을 시도
            lo = mid + 1;
        } else {
            hi = mid - 1;
        }
    }
    return ans;
})code"),
         QStringLiteral(R"code(def parametric_search(lo, hi, check):
    # [lo, hi]에서 check(x)가 참인 가장 큰 x를 반환 (하나도 없으면 lo - 1)
    # check는 어떤 값까지 참이고 그 뒤로는 거짓이어야 한다
    ans = lo - 1
    while lo <= hi:
        mid = (lo + hi) // 2
        if check(mid):
            ans = mid
            lo = mid + 1
        else:
            hi = mid - 1
    return ans)code")},
    };
}
