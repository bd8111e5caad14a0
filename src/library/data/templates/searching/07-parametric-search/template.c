// [lo, hi]에서 check(x)가 참인 가장 큰 x를 반환 (하나도 없으면 lo - 1)
// check는 어떤 값까지 참이고 그 뒤로는 거짓이어야 한다
long long parametricSearch(long long lo, long long hi, bool (*check)(long long)) {
    long long ans = lo - 1;
    while (lo <= hi) {
        long long mid = lo + (hi - lo) / 2;
        if (check(mid)) {
            ans = mid;  // 가능하니 더 큰 값을 시도
            lo = mid + 1;
        } else {
            hi = mid - 1;
        }
    }
    return ans;
}