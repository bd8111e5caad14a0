#include <stdio.h>

int main(void) {
    volatile unsigned long turns = 0;
    for (;;)
        ++turns;
    puts("Hello World!");
}
