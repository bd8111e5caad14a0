class SegmentTree:
    # 구간 합 세그먼트 트리 (0-indexed, 구간은 [l, r] 양 끝 포함)
    def __init__(self, arr):
        self.n = len(arr)
        self.tree = [0] * self.n + list(arr)
        for i in range(self.n - 1, 0, -1):
            self.tree[i] = self.tree[2 * i] + self.tree[2 * i + 1]

    def update(self, idx, val):
        # arr[idx] = val
        i = idx + self.n
        self.tree[i] = val
        while i > 1:
            i //= 2
            self.tree[i] = self.tree[2 * i] + self.tree[2 * i + 1]

    def query(self, l, r):
        # arr[l] + ... + arr[r]
        result = 0
        l += self.n
        r += self.n + 1
        while l < r:
            if l & 1:
                result += self.tree[l]
                l += 1
            if r & 1:
                r -= 1
                result += self.tree[r]
            l //= 2
            r //= 2
        return result