// 순증가(같은 값은 한 번만) 부분 수열의 최대 길이
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
}