    int a[] = {10, 20, 10, 30, 20, 50}, b[] = {2, 2, 2}, c[] = {5, 4, 3};
    printf("%d %d %d %d\n", lis(a, 6), lis(b, 3), lis(c, 3), lis(a, 0));
