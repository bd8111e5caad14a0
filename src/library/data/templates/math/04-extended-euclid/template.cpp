// {g, x, y}: a * x + b * y = g = gcd(a, b)
tuple<long long, long long, long long> extGcd(long long a, long long b) {
    if (b == 0) return {a, 1, 0};
    auto [g, x, y] = extGcd(b, a % b);
    return {g, y, x - (a / b) * y};
}