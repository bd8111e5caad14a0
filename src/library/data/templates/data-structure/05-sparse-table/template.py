class SparseTable:
    # 구간 최솟값 (최댓값은 min을 max로 바꿈), 구간은 [l, r] 양 끝 포함
    def __init__(self, arr):
        n = len(arr)
        self.lg = [0] * (n + 1)
        for i in range(2, n + 1):
            self.lg[i] = self.lg[i // 2] + 1
        # table[k][i] = arr[i .. i + 2^k - 1]의 최솟값
        self.table = [list(arr)]
        k = 1
        while (1 << k) <= n:
            prev = self.table[-1]
            half = 1 << (k - 1)
            self.table.append([min(prev[i], prev[i + half]) for i in range(n - (1 << k) + 1)])
            k += 1

    def query(self, l, r):
        k = self.lg[r - l + 1]
        return min(self.table[k][l], self.table[k][r - (1 << k) + 1])