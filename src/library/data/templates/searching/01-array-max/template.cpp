// STL 한 줄 버전
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
}