// fail[i]: pattern[0..i]의 접두사이면서 접미사인 가장 긴 길이 (자기 자신 제외)
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
}