from bisect import bisect_right
# bisect_right(arr, target) 사용