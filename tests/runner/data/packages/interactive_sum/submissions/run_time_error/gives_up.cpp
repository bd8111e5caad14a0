#include <cstdio>
#include <cstdlib>

int main() {
    int count = 0;
    std::scanf("%d", &count);
    if (count > 0)
        std::abort();
}
