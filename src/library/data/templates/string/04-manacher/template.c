// 문자 사이사이에 '#'을 넣은 manacherText = "#a#b#...#"에서 radius[i] = 그 i번째 문자를
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
}