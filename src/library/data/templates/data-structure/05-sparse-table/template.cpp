// 구간 최솟값 (최댓값은 min을 max로 바꿈), 구간은 [l, r] 양 끝 포함
class SparseTable {
    vector<vector<int>> table;  // table[k][i] = arr[i .. i + 2^k - 1]의 최솟값
    vector<int> lg;

public:
    SparseTable(const vector<int>& arr) {
        int n = arr.size();
        lg.assign(n + 1, 0);
        for (int i = 2; i <= n; i++) lg[i] = lg[i / 2] + 1;
        table.assign(lg[n] + 1, vector<int>(n));
        table[0] = arr;
        for (int k = 1; (1 << k) <= n; k++)
            for (int i = 0; i + (1 << k) <= n; i++)
                table[k][i] = min(table[k - 1][i], table[k - 1][i + (1 << (k - 1))]);
    }

    int query(int l, int r) const {
        int k = lg[r - l + 1];
        return min(table[k][l], table[k][r - (1 << k) + 1]);
    }
};