#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>


int main() {
    // 여기에 코드를 작성하세요
    
    return 0;
}