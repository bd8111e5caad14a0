// z[i]: s와 s + i의 가장 긴 공통 접두사 길이 (z[0] = n)
void zFunction(const char* s, int z[]) {
    int n = strlen(s);
    if (n > 0) z[0] = n;
    // [l, r): 지금까지 찾은 일치 구간 중 가장 오른쪽으로 뻗은 것
    for (int i = 1, l = 0, r = 0; i < n; i++) {
        z[i] = i < r ? (r - i < z[i - l] ? r - i : z[i - l]) : 0;
        while (i + z[i] < n && s[z[i]] == s[i + z[i]]) z[i]++;
        if (i + z[i] > r) l = i, r = i + z[i];
    }
}