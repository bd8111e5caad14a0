#include <iostream>

int main() {
    long long a, b;
    std::cin >> a >> b;
    volatile long long sum = 0;
    for (;;)
        sum = sum + 1;
    std::cout << a + b << '\n';
}
