int fail[16];
getFailure("ABABCABAB", fail);
for (int i = 0; i < 9; i++) printf("%d ", fail[i]);
printf("|");
getFailure("aabaaab", fail);
for (int i = 0; i < 7; i++) printf(" %d", fail[i]);
printf("\n");
