    int targets[] = {7, 4, 1, 11, 12, 0};
    for (int i = 0; i < 6; i++) printf("%d ", binarySearch(sortedArr, 6, targets[i]));
    printf("%d\n", binarySearch(sortedArr, 0, 5));
