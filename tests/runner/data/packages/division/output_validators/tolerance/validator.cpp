// Called as `validator input answer feedback_dir [tolerance EPS]` with the
// submission's output on standard input: one number, within EPS of the
// answer, absolutely or relatively.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

namespace {

int wrong(const std::string& feedback, const std::string& message) {
    std::ofstream(feedback + "/judgemessage.txt") << message << "\n";
    return 43;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4)
        return 1;
    double tolerance = 1e-6;
    for (int i = 4; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "tolerance") == 0)
            tolerance = std::atof(argv[i + 1]);
    }
    double expected = 0;
    if (!(std::ifstream(argv[2]) >> expected))
        return 1;
    std::string token, extra;
    if (!(std::cin >> token))
        return wrong(argv[3], "no number");
    char* end = nullptr;
    const double found = std::strtod(token.c_str(), &end);
    if (*end != '\0' || !std::isfinite(found))
        return wrong(argv[3], "not a number: " + token);
    if (std::cin >> extra)
        return wrong(argv[3], "more than one number");
    const double error = std::fabs(found - expected);
    if (error > tolerance * std::fmax(1.0, std::fabs(expected)))
        return wrong(argv[3], "expected " + std::to_string(expected) + ", found " + token);
    return 42;
}
