    printf("%d %d %d %d %d\n", editDistance("kitten", "sitting"), editDistance("", "abc"),
           editDistance("abc", ""), editDistance("intention", "execution"), editDistance("abc", "abc"));
