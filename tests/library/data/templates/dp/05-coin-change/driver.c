    int a[] = {1, 2, 5}, b[] = {2}, c[] = {1}, d[] = {186, 419, 83, 408};
    printf("%d %d %d %d\n", coinChange(a, 3, 11), coinChange(b, 1, 3), coinChange(c, 1, 0), coinChange(d, 4, 6249));
