// STL 한 줄 버전
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
}