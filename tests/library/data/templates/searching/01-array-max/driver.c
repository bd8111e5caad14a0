    int a[] = {3, 8, 1, 8, 2}, b[] = {-5, -3, -9}, idx;
    int value = findMax(a, 5, &idx);
    printf("%d %d\n", value, idx);
    value = findMax(b, 3, &idx);
    printf("%d %d\n", value, idx);
