def selection_sort(arr):
    n = len(arr)
    for i in range(n - 1):
        min_idx = i  # i번째 이후에서 가장 작은 값의 위치
        for j in range(i + 1, n):
            if arr[j] < arr[min_idx]:
                min_idx = j
        arr[i], arr[min_idx] = arr[min_idx], arr[i]
    return arr