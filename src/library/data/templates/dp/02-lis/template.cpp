// 순증가(같은 값은 한 번만) 부분 수열의 최대 길이
int lis(const vector<int>& arr) {
    vector<int> tails;  // tails[k]: 길이 k + 1인 증가 부분 수열의 끝값 중 가장 작은 값
    for (int x : arr) {
        auto it = lower_bound(tails.begin(), tails.end(), x);
        if (it == tails.end()) tails.push_back(x);
        else *it = x;
    }
    return tails.size();
}