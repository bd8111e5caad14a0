// 0 이상의 정수를 일의 자리부터 자릿수마다 안정 정렬한다 (d: 최댓값의 자릿수)
void radixSort(vector<int>& arr) {
    if (arr.empty()) return;
    int maxVal = *max_element(arr.begin(), arr.end());
    vector<int> output(arr.size());
    for (long long exp = 1; maxVal / exp > 0; exp *= 10) {
        int cnt[10] = {0};
        for (int x : arr) cnt[x / exp % 10]++;
        for (int d = 1; d < 10; d++) cnt[d] += cnt[d - 1];
        // 뒤에서부터 채워야 같은 자릿수끼리 순서가 유지된다
        for (int i = (int)arr.size() - 1; i >= 0; i--) output[--cnt[arr[i] / exp % 10]] = arr[i];
        arr = output;
    }
}