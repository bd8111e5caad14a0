// 정렬된 두 구간 [left, mid], [mid + 1, right]를 합친다
void merge(vector<int>& arr, int left, int mid, int right) {
    vector<int> tmp;
    tmp.reserve(right - left + 1);
    int i = left, j = mid + 1;
    while (i <= mid && j <= right) {
        // 같은 값이면 왼쪽을 먼저 넣어야 안정 정렬이 된다
        if (arr[i] <= arr[j]) tmp.push_back(arr[i++]);
        else tmp.push_back(arr[j++]);
    }
    while (i <= mid) tmp.push_back(arr[i++]);
    while (j <= right) tmp.push_back(arr[j++]);
    for (int k = 0; k < (int)tmp.size(); k++) arr[left + k] = tmp[k];
}

// 구간 [left, right]를 정렬: mergeSort(arr, 0, n - 1)
void mergeSort(vector<int>& arr, int left, int right) {
    if (left >= right) return;
    int mid = left + (right - left) / 2;
    mergeSort(arr, left, mid);
    mergeSort(arr, mid + 1, right);
    merge(arr, left, mid, right);
}