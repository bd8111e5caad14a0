count = int(input())
for _ in range(count):
    a, b = map(int, input().split())
    print(a + b, flush=True)
