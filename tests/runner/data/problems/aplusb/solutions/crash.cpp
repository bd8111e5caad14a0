#include <iostream>

int main() {
    long long a, b;
    std::cin >> a >> b;
    int* volatile nowhere = nullptr;
    *nowhere = int(a + b);
    std::cout << a + b << '\n';
}
