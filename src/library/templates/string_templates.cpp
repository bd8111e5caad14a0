#include "library/templates/category_templates.h"

using namespace Qt::StringLiterals;

QList<AlgorithmTemplate> stringTemplates() {
    return {
        {u"KMP 문자열 매칭"_s, u"패턴 문자열 검색 알고리즘"_s, u"O(n + m)"_s,
         uR"code(// fail[i]: pattern[0..i]의 접두사이면서 접미사인 가장 긴 길이 (자기 자신 제외)
vector<int> getFailure(const string& pattern) {
    int m = pattern.size();
    vector<int> fail(m, 0);
    for (int i = 1, j = 0; i < m; i++) {
        while (j > 0 && pattern[i] != pattern[j]) j = fail[j - 1];
        if (pattern[i] == pattern[j]) fail[i] = ++j;
    }
    return fail;
}

// text에서 pattern이 나타나는 모든 시작 위치 (0-indexed)
vector<int> kmp(const string& text, const string& pattern) {
    vector<int> result;
    if (pattern.empty()) return result;
    vector<int> fail = getFailure(pattern);
    int n = text.size(), m = pattern.size();
    for (int i = 0, j = 0; i < n; i++) {
        while (j > 0 && text[i] != pattern[j]) j = fail[j - 1];
        if (text[i] != pattern[j]) continue;
        if (++j == m) {
            result.push_back(i - m + 1);
            j = fail[j - 1];
        }
    }
    return result;
})code"_s,
         uR"code(// fail[i]: pattern[0..i]의 접두사이면서 접미사인 가장 긴 길이 (자기 자신 제외)
void getFailure(const char* pattern, int fail[]) {
    int m = strlen(pattern);
    for (int i = 0, j = 0; i < m; i++) {
        while (j > 0 && pattern[i] != pattern[j]) j = fail[j - 1];
        if (i > 0 && pattern[i] == pattern[j]) j++;
        fail[i] = j;
    }
})code"_s,
         uR"code(def get_failure(pattern):
    # fail[i]: pattern[0..i]의 접두사이면서 접미사인 가장 긴 길이 (자기 자신 제외)
    m = len(pattern)
    fail = [0] * m
    j = 0
    for i in range(1, m):
        while j > 0 and pattern[i] != pattern[j]:
            j = fail[j - 1]
        if pattern[i] == pattern[j]:
            j += 1
            fail[i] = j
    return fail

def kmp(text, pattern):
    # text에서 pattern이 나타나는 모든 시작 위치 (0-indexed)
    if not pattern:
        return []
    fail = get_failure(pattern)
    result = []
    j = 0
    for i, ch in enumerate(text):
        while j > 0 and ch != pattern[j]:
            j = fail[j - 1]
        if ch != pattern[j]:
            continue
        j += 1
        if j == len(pattern):
            result.append(i - j + 1)
            j = fail[j - 1]
    return result)code"_s},

        {u"라빈-카프"_s, u"해시 기반 문자열 매칭"_s, u"O(n + m) 평균"_s,
         uR"code(// text에서 pattern이 나타나는 모든 시작 위치 (해시가 같으면 직접 비교해 충돌을 걸러냄)
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
})code"_s,
         uR"code(// text에서 pattern이 나타나는 시작 위치를 result에 담고 개수를 반환
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
})code"_s,
         uR"code(def rabin_karp(text, pattern):
    # text에서 pattern이 나타나는 모든 시작 위치 (해시가 같으면 직접 비교해 충돌을 걸러냄)
    base, mod = 256, 10**9 + 7
    n, m = len(text), len(pattern)
    if m == 0 or m > n:
        return []
    highest = pow(base, m - 1, mod)
    pattern_hash = window_hash = 0
    for i in range(m):
        pattern_hash = (pattern_hash * base + ord(pattern[i])) % mod
        window_hash = (window_hash * base + ord(text[i])) % mod
    result = []
    for i in range(n - m + 1):
        if pattern_hash == window_hash and text[i:i + m] == pattern:
            result.append(i)
        if i + m < n:
            # 맨 앞 문자를 빼고 다음 문자를 붙임
            window_hash = ((window_hash - ord(text[i]) * highest) * base + ord(text[i + m])) % mod
    return result)code"_s},

        {u"Z 알고리즘"_s, u"각 위치에서 시작하는 접두사 일치 길이"_s, u"O(n)"_s,
         uR"code(// z[i]: s와 s[i..]의 가장 긴 공통 접두사 길이 (z[0] = n)
vector<int> zFunction(const string& s) {
    int n = s.size();
    vector<int> z(n, 0);
    if (n > 0) z[0] = n;
    // [l, r): 지금까지 찾은 일치 구간 중 가장 오른쪽으로 뻗은 것
    for (int i = 1, l = 0, r = 0; i < n; i++) {
        if (i < r) z[i] = min(r - i, z[i - l]);
        while (i + z[i] < n && s[z[i]] == s[i + z[i]]) z[i]++;
        if (i + z[i] > r) l = i, r = i + z[i];
    }
    return z;
})code"_s,
         uR"code(// z[i]: s와 s + i의 가장 긴 공통 접두사 길이 (z[0] = n)
void zFunction(const char* s, int z[]) {
    int n = strlen(s);
    if (n > 0) z[0] = n;
    // [l, r): 지금까지 찾은 일치 구간 중 가장 오른쪽으로 뻗은 것
    for (int i = 1, l = 0, r = 0; i < n; i++) {
        z[i] = i < r ? (r - i < z[i - l] ? r - i : z[i - l]) : 0;
        while (i + z[i] < n && s[z[i]] == s[i + z[i]]) z[i]++;
        if (i + z[i] > r) l = i, r = i + z[i];
    }
})code"_s,
         uR"code(def z_function(s):
    # z[i]: s와 s[i:]의 가장 긴 공통 접두사 길이 (z[0] = n)
    n = len(s)
    z = [0] * n
    if n > 0:
        z[0] = n
    # [l, r): 지금까지 찾은 일치 구간 중 가장 오른쪽으로 뻗은 것
    l = r = 0
    for i in range(1, n):
        if i < r:
            z[i] = min(r - i, z[i - l])
        while i + z[i] < n and s[z[i]] == s[i + z[i]]:
            z[i] += 1
        if i + z[i] > r:
            l, r = i, i + z[i]
    return z)code"_s},

        {u"매내처"_s, u"모든 위치에서 가장 긴 팰린드롬 찾기"_s, u"O(n)"_s,
         uR"code(// 문자 사이사이에 '#'을 넣은 t = "#a#b#...#"에서
// p[i] = t[i]를 중심으로 하는 가장 긴 팰린드롬의 반지름 = 원래 문자열에서 그 팰린드롬의 길이
// 그 팰린드롬은 원래 문자열의 (i - p[i]) / 2 위치에서 시작, 최장 길이는 *max_element(p)
vector<int> manacher(const string& s) {
    string t = "#";
    for (char c : s) {
        t += c;
        t += '#';
    }
    int n = t.size();
    vector<int> p(n, 0);
    int center = 0, right = 0;  // right: 지금까지 가장 오른쪽까지 닿은 팰린드롬의 끝
    for (int i = 0; i < n; i++) {
        if (i < right) p[i] = min(right - i, p[2 * center - i]);
        while (i - p[i] - 1 >= 0 && i + p[i] + 1 < n && t[i - p[i] - 1] == t[i + p[i] + 1]) p[i]++;
        if (i + p[i] > right) center = i, right = i + p[i];
    }
    return p;
})code"_s,
         uR"code(// 문자 사이사이에 '#'을 넣은 manacherText = "#a#b#...#"에서 radius[i] = 그 i번째 문자를
// 중심으로 하는 가장 긴 팰린드롬의 반지름 = 원래 문자열에서 그 팰린드롬의 길이
// 그 팰린드롬은 원래 문자열의 (i - radius[i]) / 2 위치에서 시작
char manacherText[2 * MAX + 2];
int radius[2 * MAX + 2];

// 반환값: 가장 긴 팰린드롬의 길이
int manacher(const char* s) {
    int len = strlen(s), n = 0, best = 0;
    manacherText[n++] = '#';
    for (int i = 0; i < len; i++) {
        manacherText[n++] = s[i];
        manacherText[n++] = '#';
    }
    int center = 0, right = 0;  // right: 지금까지 가장 오른쪽까지 닿은 팰린드롬의 끝
    for (int i = 0; i < n; i++) {
        int k = 0;
        if (i < right) {
            int mirror = radius[2 * center - i];
            k = mirror < right - i ? mirror : right - i;
        }
        while (i - k - 1 >= 0 && i + k + 1 < n) {
            if (manacherText[i - k - 1] != manacherText[i + k + 1]) break;
            k++;
        }
        radius[i] = k;
        if (i + k > right) center = i, right = i + k;
        if (k > best) best = k;
    }
    return best;
})code"_s,
         uR"code(def manacher(s):
    # 문자 사이사이에 '#'을 넣은 t = "#a#b#...#"에서
    # p[i] = t[i]를 중심으로 하는 가장 긴 팰린드롬의 반지름 = 원래 문자열에서 그 팰린드롬의 길이
    # 그 팰린드롬은 원래 문자열의 (i - p[i]) // 2 위치에서 시작, 최장 길이는 max(p)
    t = '#' + '#'.join(s) + '#'
    n = len(t)
    p = [0] * n
    center = right = 0  # right: 지금까지 가장 오른쪽까지 닿은 팰린드롬의 끝
    for i in range(n):
        if i < right:
            p[i] = min(right - i, p[2 * center - i])
        while i - p[i] - 1 >= 0 and i + p[i] + 1 < n and t[i - p[i] - 1] == t[i + p[i] + 1]:
            p[i] += 1
        if i + p[i] > right:
            center, right = i, i + p[i]
    return p)code"_s},
    };
}
