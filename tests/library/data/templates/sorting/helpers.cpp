// Mixed signs, already sorted, reversed, all equal, one element, empty.
void printInts(const vector<int>& v) {
    for (size_t i = 0; i < v.size(); i++) cout << (i ? " " : "") << v[i];
    cout << '\n';
}
vector<vector<int>> sortCases() {
    return {{5, -2, 9, 1, 5, 6, 0, -7, 3}, {1, 2, 3, 4, 5}, {9, 7, 5, 3, 1, 0}, {4, 4, 4, 4}, {42}, {}};
}
vector<vector<int>> radixCases() {
    return {{170, 45, 75, 90, 802, 24, 2, 66}, {0, 0, 1}, {2147483647, 7, 1000000000}, {}};
}
