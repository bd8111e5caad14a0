// text에서 pattern이 나타나는 시작 위치를 result에 담고 개수를 반환
// (해시가 같으면 직접 비교해 충돌을 걸러냄)
int rabinKarp(const char* text, const char* pattern, int result[]) {
    const long long HASH_BASE = 256, HASH_MOD = 1000000007;
    int n = strlen(text), m = strlen(pattern), count = 0;
    if (m == 0 || m > n) return 0;
    long long patternHash = 0, windowHash = 0, highest = 1;  // highest = HASH_BASE^(m-1)
    for (int i = 0; i < m; i++) {
        patternHash = (patternHash * HASH_BASE + (unsigned char)pattern[i]) % HASH_MOD;
        windowHash = (windowHash * HASH_BASE + (unsigned char)text[i]) % HASH_MOD;
        if (i > 0) highest = highest * HASH_BASE % HASH_MOD;
    }
    for (int i = 0; i + m <= n; i++) {
        if (patternHash == windowHash && strncmp(text + i, pattern, m) == 0) result[count++] = i;
        if (i + m == n) break;
        // 맨 앞 문자를 빼고 다음 문자를 붙임
        windowHash = (windowHash - (unsigned char)text[i] * highest % HASH_MOD + HASH_MOD) % HASH_MOD;
        windowHash = (windowHash * HASH_BASE + (unsigned char)text[i + m]) % HASH_MOD;
    }
    return count;
}