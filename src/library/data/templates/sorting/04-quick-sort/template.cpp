// 구간 [left, right]를 정렬: quickSort(arr, 0, n - 1)
// 가운데 원소를 피벗으로 써서 이미 정렬된 입력에서도 O(n²)이 되지 않는다
void quickSort(vector<int>& arr, int left, int right) {
    if (left >= right) return;
    int pivot = arr[left + (right - left) / 2];
    int i = left, j = right;
    while (i <= j) {
        while (arr[i] < pivot) i++;
        while (arr[j] > pivot) j--;
        if (i <= j) swap(arr[i++], arr[j--]);
    }
    quickSort(arr, left, j);
    quickSort(arr, i, right);
}