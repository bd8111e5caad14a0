def radix_sort(arr):
    # 0 이상의 정수를 정렬한 새 리스트를 반환 (d: 최댓값의 자릿수)
    if not arr:
        return []
    max_val = max(arr)
    exp = 1
    while max_val // exp > 0:
        arr = counting_sort_by_digit(arr, exp)
        exp *= 10
    return list(arr)

def counting_sort_by_digit(arr, exp):
    cnt = [0] * 10
    for x in arr:
        cnt[x // exp % 10] += 1
    for d in range(1, 10):
        cnt[d] += cnt[d - 1]
    output = [0] * len(arr)
    # 뒤에서부터 채워야 같은 자릿수끼리 순서가 유지된다
    for x in reversed(arr):
        d = x // exp % 10
        cnt[d] -= 1
        output[cnt[d]] = x
    return output