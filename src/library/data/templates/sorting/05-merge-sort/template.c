int sorted[MAX];  // 병합 결과를 잠시 담는 배열

// 정렬된 두 구간 [left, mid], [mid + 1, right]를 합친다
void merge(int arr[], int left, int mid, int right) {
    int i = left, j = mid + 1, k = left;
    while (i <= mid && j <= right) {
        // 같은 값이면 왼쪽을 먼저 넣어야 안정 정렬이 된다
        if (arr[i] <= arr[j]) sorted[k++] = arr[i++];
        else sorted[k++] = arr[j++];
    }
    while (i <= mid) sorted[k++] = arr[i++];
    while (j <= right) sorted[k++] = arr[j++];
    for (int t = left; t <= right; t++) arr[t] = sorted[t];
}

// 구간 [left, right]를 정렬: mergeSort(arr, 0, n - 1)
void mergeSort(int arr[], int left, int right) {
    if (left >= right) return;
    int mid = left + (right - left) / 2;
    mergeSort(arr, left, mid);
    mergeSort(arr, mid + 1, right);
    merge(arr, left, mid, right);
}