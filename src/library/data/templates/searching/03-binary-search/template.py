def binary_search(arr, target):
    # 오름차순으로 정렬된 arr에서 target의 인덱스를 반환 (없으면 -1)
    lo, hi = 0, len(arr) - 1
    while lo <= hi:
        mid = (lo + hi) // 2
        if arr[mid] == target:
            return mid
        if arr[mid] < target:
            lo = mid + 1
        else:
            hi = mid - 1
    return -1