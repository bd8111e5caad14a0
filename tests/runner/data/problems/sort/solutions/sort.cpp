#include <algorithm>
#include <iostream>
#include <vector>

int main() {
    int n;
    std::cin >> n;
    std::vector<int> values(n);
    for (int& value : values)
        std::cin >> value;
    std::sort(values.begin(), values.end());
    for (int value : values)
        std::cout << value << '\n';
}
