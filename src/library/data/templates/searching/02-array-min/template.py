# 한 줄 버전
# min_val = min(arr)
# min_idx = arr.index(min_val)

# 직접 구현: (최솟값, 인덱스) (최솟값이 여러 개면 가장 앞의 인덱스)
def find_min(arr):
    min_val = arr[0]
    min_idx = 0
    for i in range(1, len(arr)):
        if arr[i] < min_val:
            min_val = arr[i]
            min_idx = i
    return min_val, min_idx