    int a[] = {3, 1, 8, 1, 2}, b[] = {-5, -3, -9}, idx;
    int value = findMin(a, 5, &idx);
    printf("%d %d\n", value, idx);
    value = findMin(b, 3, &idx);
    printf("%d %d\n", value, idx);
