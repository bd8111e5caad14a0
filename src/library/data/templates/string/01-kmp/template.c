// fail[i]: pattern[0..i]의 접두사이면서 접미사인 가장 긴 길이 (자기 자신 제외)
void getFailure(const char* pattern, int fail[]) {
    int m = strlen(pattern);
    for (int i = 0, j = 0; i < m; i++) {
        while (j > 0 && pattern[i] != pattern[j]) j = fail[j - 1];
        if (i > 0 && pattern[i] == pattern[j]) j++;
        fail[i] = j;
    }
}