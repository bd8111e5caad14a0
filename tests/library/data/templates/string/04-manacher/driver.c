manacher("aba");
for (int i = 0; i < 7; i++) printf("%d ", radius[i]);
printf("|");
const char* words[] = {"abacaba", "abba", "forgeeksskeegfor", "", "a#b#a"};
for (int i = 0; i < 5; i++) printf(" %d", manacher(words[i]));
printf("\n");
