// 문자 사이사이에 '#'을 넣은 t = "#a#b#...#"에서
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
}