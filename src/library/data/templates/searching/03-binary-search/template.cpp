// 오름차순으로 정렬된 arr에서 target의 인덱스를 반환 (없으면 -1)
int binarySearch(const vector<int>& arr, int target) {
    int lo = 0, hi = (int)arr.size() - 1;
    while (lo <= hi) {
        int mid = lo + (hi - lo) / 2;  // (lo + hi) / 2는 오버플로가 날 수 있다
        if (arr[mid] == target) return mid;
        if (arr[mid] < target) lo = mid + 1;
        else hi = mid - 1;
    }
    return -1;
}