// text에서 pattern이 나타나는 모든 시작 위치 (해시가 같으면 직접 비교해 충돌을 걸러냄)
vector<int> rabinKarp(const string& text, const string& pattern) {
    const long long HASH_BASE = 256, HASH_MOD = 1e9 + 7;
    int n = text.size(), m = pattern.size();
    vector<int> result;
    if (m == 0 || m > n) return result;
    long long patternHash = 0, windowHash = 0, highest = 1;  // highest = HASH_BASE^(m-1)
    for (int i = 0; i < m; i++) {
        patternHash = (patternHash * HASH_BASE + (unsigned char)pattern[i]) % HASH_MOD;
        windowHash = (windowHash * HASH_BASE + (unsigned char)text[i]) % HASH_MOD;
        if (i > 0) highest = highest * HASH_BASE % HASH_MOD;
    }
    for (int i = 0; i + m <= n; i++) {
        if (patternHash == windowHash && text.compare(i, m, pattern) == 0) result.push_back(i);
        if (i + m == n) break;
        // 맨 앞 문자를 빼고 다음 문자를 붙임
        windowHash = (windowHash - (unsigned char)text[i] * highest % HASH_MOD + HASH_MOD) % HASH_MOD;
        windowHash = (windowHash * HASH_BASE + (unsigned char)text[i + m]) % HASH_MOD;
    }
    return result;
}