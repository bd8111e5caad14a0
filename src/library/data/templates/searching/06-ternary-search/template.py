def ternary_search(lo, hi, f):
    # f가 [lo, hi]에서 증가하다가 감소할 때 최댓값을 주는 x를 반환
    # 최솟값을 찾으려면 f(m1) > f(m2)로 바꾼다
    for _ in range(100):
        m1 = lo + (hi - lo) / 3
        m2 = hi - (hi - lo) / 3
        if f(m1) < f(m2):
            lo = m1
        else:
            hi = m2
    return (lo + hi) / 2