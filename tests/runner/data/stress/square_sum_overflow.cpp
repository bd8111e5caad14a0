// The sum of the squares of n numbers, each square taken in 32 bits: wrong
// from 46341 on, whose square passes 2^31 - 1.
#include <cstdio>

int main() {
    int n;
    std::scanf("%d", &n);
    long long sum = 0;
    for (int i = 0; i < n; ++i) {
        int x;
        std::scanf("%d", &x);
        sum += int(unsigned(x) * unsigned(x));
    }
    std::printf("%lld\n", sum);
}
