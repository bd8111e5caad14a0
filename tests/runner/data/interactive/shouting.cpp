// Never reads a question: answers 0 without end.
#include <cstdio>

int main() {
    for (;;)
        std::printf("0\n");
}
