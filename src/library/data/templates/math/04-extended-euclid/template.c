// a * x + b * y = gcd(a, b)인 x, y를 채우고 gcd(a, b)를 반환
long long extGcd(long long a, long long b, long long* x, long long* y) {
    if (b == 0) {
        *x = 1;
        *y = 0;
        return a;
    }
    long long nx, ny;
    long long g = extGcd(b, a % b, &nx, &ny);
    *x = ny;
    *y = nx - (a / b) * ny;
    return g;
}