import sys
class Solver(object):
    """Doc with 'quotes' and # hash"""
    def solve(self, n=10):
        for i in range(n):
            total = sum(map(int, input().split()))  # read
        s = f"{n}" + f'{total}' + 'it\'s' + "a\"b"
        return [x for x in sorted (s) if x != 0.5]
