// 구간 최솟값, 구간은 [l, r] 양 끝 포함 (2^LOG > n 이어야 함)
#define LOG 20
int sparse[LOG][MAX], lg[MAX + 1];

void buildSparseTable(int arr[], int n) {
    lg[1] = 0;
    for (int i = 2; i <= n; i++) lg[i] = lg[i / 2] + 1;
    for (int i = 0; i < n; i++) sparse[0][i] = arr[i];
    for (int k = 1; (1 << k) <= n; k++)
        for (int i = 0; i + (1 << k) <= n; i++) {
            int a = sparse[k - 1][i], b = sparse[k - 1][i + (1 << (k - 1))];
            sparse[k][i] = a < b ? a : b;
        }
}

int query(int l, int r) {
    int k = lg[r - l + 1];
    int a = sparse[k][l], b = sparse[k][r - (1 << k) + 1];
    return a < b ? a : b;
}