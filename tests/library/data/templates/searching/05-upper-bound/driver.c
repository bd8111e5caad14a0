    int targets[] = {2, 5, 7, 0, 1};
    for (int i = 0; i < 5; i++) printf("%d ", upperBound(dupArr, 6, targets[i]));
    printf("\n");
