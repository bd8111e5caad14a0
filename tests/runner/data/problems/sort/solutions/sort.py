import sys

n, *values = map(int, sys.stdin.read().split())
print("\n".join(map(str, sorted(values[:n]))))
