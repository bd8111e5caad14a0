int z[16];
zFunction("aabxaab", z);
for (int i = 0; i < 7; i++) printf("%d ", z[i]);
printf("|");
zFunction("aaaaa", z);
for (int i = 0; i < 5; i++) printf(" %d", z[i]);
printf("\n");
