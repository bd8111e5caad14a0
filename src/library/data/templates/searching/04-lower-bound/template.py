from bisect import bisect_left
# bisect_left(arr, target) 사용