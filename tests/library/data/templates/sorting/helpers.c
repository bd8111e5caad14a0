void printInts(const int* a, int n) {
    for (int i = 0; i < n; i++) printf(i ? " %d" : "%d", a[i]);
    printf("\n");
}
int sortCases[6][9] = {{5, -2, 9, 1, 5, 6, 0, -7, 3}, {1, 2, 3, 4, 5}, {9, 7, 5, 3, 1, 0}, {4, 4, 4, 4}, {42}, {0}};
int sortLengths[6] = {9, 5, 6, 4, 1, 0};
int radixCases[4][8] = {{170, 45, 75, 90, 802, 24, 2, 66}, {0, 0, 1}, {2147483647, 7, 1000000000}, {0}};
int radixLengths[4] = {8, 3, 3, 0};
