class FenwickTree:
    # 1-indexed
    def __init__(self, n):
        self.n = n
        self.tree = [0] * (n + 1)

    def update(self, i, delta):
        # i번째 원소에 delta를 더함
        while i <= self.n:
            self.tree[i] += delta
            i += i & -i

    def query(self, i):
        # 1번째부터 i번째까지의 합
        total = 0
        while i > 0:
            total += self.tree[i]
            i -= i & -i
        return total

    def range_query(self, l, r):
        return self.query(r) - self.query(l - 1)