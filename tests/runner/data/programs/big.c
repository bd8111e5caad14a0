#include <stdlib.h>
#include <string.h>
#include <stdio.h>
int main(void) {
  int mb; if (scanf("%d", &mb) != 1) return 4;
  char* p = malloc((size_t)mb << 20); memset(p, 1, (size_t)mb << 20);
  printf("%d\n", mb); return 0;
}
