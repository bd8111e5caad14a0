int radixBuf[MAX];

// exp 자리(1, 10, 100, ...)만 보고 안정 계수 정렬한다
void countSort(int arr[], int n, long long exp) {
    int cnt[10] = {0};
    for (int i = 0; i < n; i++) cnt[arr[i] / exp % 10]++;
    for (int d = 1; d < 10; d++) cnt[d] += cnt[d - 1];
    // 뒤에서부터 채워야 같은 자릿수끼리 순서가 유지된다
    for (int i = n - 1; i >= 0; i--) radixBuf[--cnt[arr[i] / exp % 10]] = arr[i];
    for (int i = 0; i < n; i++) arr[i] = radixBuf[i];
}

// 0 이상의 정수 n개를 정렬한다 (d: 최댓값의 자릿수)
void radixSort(int arr[], int n) {
    int maxVal = 0;
    for (int i = 0; i < n; i++) {
        if (arr[i] > maxVal) maxVal = arr[i];
    }
    for (long long exp = 1; maxVal / exp > 0; exp *= 10) countSort(arr, n, exp);
}