#include <cstdio>

int main() {
    int count = 0;
    std::scanf("%d", &count);
    for (int i = 0; i < count; ++i) {
        long long a = 0, b = 0;
        std::scanf("%lld %lld", &a, &b);
        std::printf("%lld\n", a + b);
        std::fflush(stdout);
    }
}
