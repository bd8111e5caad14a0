# 한 줄 버전
# max_val = max(arr)
# max_idx = arr.index(max_val)

# 직접 구현: (최댓값, 인덱스) (최댓값이 여러 개면 가장 앞의 인덱스)
def find_max(arr):
    max_val = arr[0]
    max_idx = 0
    for i in range(1, len(arr)):
        if arr[i] > max_val:
            max_val = arr[i]
            max_idx = i
    return max_val, max_idx