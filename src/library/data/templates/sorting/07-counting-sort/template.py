def counting_sort(arr):
    # 정렬된 새 리스트를 반환, k = 최댓값 - 최솟값 (음수도 정렬 가능)
    if not arr:
        return []
    lo = min(arr)
    cnt = [0] * (max(arr) - lo + 1)
    for x in arr:
        cnt[x - lo] += 1
    result = []
    for v, c in enumerate(cnt):
        result.extend([v + lo] * c)
    return result