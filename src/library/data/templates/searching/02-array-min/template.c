// 최솟값을 반환하고 그 인덱스를 *idx에 저장 (여러 개면 가장 앞의 인덱스)
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
}