// The sum of the squares of n numbers, in 64-bit arithmetic.
#include <cstdio>

int main() {
    int n;
    std::scanf("%d", &n);
    long long sum = 0;
    for (int i = 0; i < n; ++i) {
        long long x;
        std::scanf("%lld", &x);
        sum += x * x;
    }
    std::printf("%lld\n", sum);
}
