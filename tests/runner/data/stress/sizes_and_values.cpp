// seed MAX_N MAX_VALUE: n from 1 to MAX_N, then n values from 1 to MAX_VALUE,
// one of them MAX_VALUE itself.
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

int main(int, char** argv) {
    std::mt19937_64 random(std::strtoull(argv[1], nullptr, 10));
    const long long maxN = std::atoll(argv[2]);
    const long long maxValue = std::atoll(argv[3]);
    const auto draw = [&](long long low, long long high) {
        return std::uniform_int_distribution<long long>(low, high)(random);
    };
    std::vector<long long> values(draw(1, maxN));
    for (long long& value : values)
        value = draw(1, maxValue);
    values[draw(0, values.size() - 1)] = maxValue;
    std::printf("%zu\n", values.size());
    for (std::size_t i = 0; i < values.size(); ++i)
        std::printf(i + 1 < values.size() ? "%lld " : "%lld\n", values[i]);
}
