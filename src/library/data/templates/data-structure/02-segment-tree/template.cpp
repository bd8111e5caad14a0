// 구간 합 세그먼트 트리 (0-indexed, 구간은 [l, r] 양 끝 포함)
class SegmentTree {
    int n;
    vector<long long> tree;  // tree[n..2n-1]이 원소, tree[i] = tree[2i] + tree[2i+1]

public:
    SegmentTree(const vector<long long>& arr) : n(arr.size()), tree(2 * arr.size()) {
        copy(arr.begin(), arr.end(), tree.begin() + n);
        for (int i = n - 1; i > 0; i--) tree[i] = tree[2 * i] + tree[2 * i + 1];
    }

    // arr[idx] = val
    void update(int idx, long long val) {
        int i = idx + n;
        tree[i] = val;
        for (i /= 2; i >= 1; i /= 2) tree[i] = tree[2 * i] + tree[2 * i + 1];
    }

    // arr[l] + ... + arr[r]
    long long query(int l, int r) {
        long long result = 0;
        for (l += n, r += n + 1; l < r; l /= 2, r /= 2) {
            if (l & 1) result += tree[l++];
            if (r & 1) result += tree[--r];
        }
        return result;
    }
};