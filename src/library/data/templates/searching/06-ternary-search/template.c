// f가 [lo, hi]에서 증가하다가 감소할 때 최댓값을 주는 x를 반환
// 최솟값을 찾으려면 f(m1) > f(m2)로 바꾼다
double ternarySearch(double lo, double hi, double (*f)(double)) {
    for (int iter = 0; iter < 100; iter++) {
        double m1 = lo + (hi - lo) / 3;
        double m2 = hi - (hi - lo) / 3;
        if (f(m1) < f(m2)) lo = m1;
        else hi = m2;
    }
    return (lo + hi) / 2;
}