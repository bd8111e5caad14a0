// A checker called as `checker input output answer`. The answer chooses what
// it does: "crash", "hang", "code N" (exit N), "points P" (exit 7 with P), or
// any other word, which the output's first word must equal.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
    if (argc < 4)
        return 3;
    std::ifstream output(argv[2]);
    std::ifstream answer(argv[3]);
    std::string wanted, found;
    answer >> wanted;
    if (wanted == "crash")
        std::abort();
    if (wanted == "hang")
        for (volatile int i = 0;; i = i + 1) {
        }
    if (wanted == "code" || wanted == "points") {
        std::string value;
        answer >> value;
        std::fprintf(stderr, "%s told by the answer\n", value.c_str());
        return wanted == "code" ? std::atoi(value.c_str()) : 7;
    }
    if (!(output >> found)) {
        std::fprintf(stderr, "no output\n");
        return 2;
    }
    if (found != wanted) {
        std::fprintf(stderr, "expected %s, found %s\n", wanted.c_str(), found.c_str());
        return 1;
    }
    std::fprintf(stderr, "ok %s\n", found.c_str());
    return 0;
}
