// k = 최댓값 - 최솟값 (음수도 정렬 가능)
void countingSort(int arr[], int n) {
    if (n <= 0) return;
    int lo = arr[0], hi = arr[0];
    for (int i = 1; i < n; i++) {
        if (arr[i] < lo) lo = arr[i];
        if (arr[i] > hi) hi = arr[i];
    }
    int* cnt = (int*)calloc(hi - lo + 1, sizeof(int));
    for (int i = 0; i < n; i++) cnt[arr[i] - lo]++;
    int idx = 0;
    for (int v = 0; v <= hi - lo; v++)
        while (cnt[v]-- > 0) arr[idx++] = v + lo;
    free(cnt);
}