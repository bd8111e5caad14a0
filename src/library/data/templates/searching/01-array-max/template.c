// 최댓값을 반환하고 그 인덱스를 *idx에 저장 (여러 개면 가장 앞의 인덱스)
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
}