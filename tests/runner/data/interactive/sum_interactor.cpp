// An interactor called as `interactor input output`. The input holds N and
// N pairs; it asks for each pair's sum in turn and waits for the answer
// before it asks the next.
#include <cstdio>
#include <fstream>

int main(int argc, char** argv) {
    if (argc < 3)
        return 3;
    std::ifstream input(argv[1]);
    int count = 0;
    input >> count;
    std::printf("%d\n", count);
    std::fflush(stdout);
    for (int i = 1; i <= count; ++i) {
        long long a = 0, b = 0, sum = 0;
        input >> a >> b;
        std::printf("%lld %lld\n", a, b);
        std::fflush(stdout);
        if (std::scanf("%lld", &sum) != 1) {
            std::fprintf(stderr, "no answer to question %d\n", i);
            return 1;
        }
        if (sum != a + b) {
            std::fprintf(stderr, "question %d: expected %lld, found %lld\n", i, a + b, sum);
            return 1;
        }
    }
    std::ofstream(argv[2]) << count << " answers\n";
    std::fprintf(stderr, "%d answers right\n", count);
    return 0;
}
