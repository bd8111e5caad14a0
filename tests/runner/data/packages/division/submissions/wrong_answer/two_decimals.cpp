#include <cstdio>

int main() {
    long long a = 0, b = 0;
    std::scanf("%lld %lld", &a, &b);
    std::printf("%.2f\n", double(a) / double(b));
}
