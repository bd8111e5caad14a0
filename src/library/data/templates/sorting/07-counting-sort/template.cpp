// k = 최댓값 - 최솟값 (음수도 정렬 가능)
void countingSort(vector<int>& arr) {
    if (arr.empty()) return;
    int lo = *min_element(arr.begin(), arr.end());
    int hi = *max_element(arr.begin(), arr.end());
    vector<int> cnt(hi - lo + 1, 0);
    for (int x : arr) cnt[x - lo]++;
    int idx = 0;
    for (int v = 0; v <= hi - lo; v++)
        while (cnt[v]-- > 0) arr[idx++] = v + lo;
}