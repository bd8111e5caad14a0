from bisect import bisect_left

def lis(arr):
    # 순증가(같은 값은 한 번만) 부분 수열의 최대 길이
    tails = []  # tails[k]: 길이 k + 1인 증가 부분 수열의 끝값 중 가장 작은 값
    for x in arr:
        i = bisect_left(tails, x)
        if i == len(tails):
            tails.append(x)
        else:
            tails[i] = x
    return len(tails)