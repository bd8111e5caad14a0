    int targets[] = {2, 3, 8, 0, 7};
    for (int i = 0; i < 5; i++) printf("%d ", lowerBound(dupArr, 6, targets[i]));
    printf("\n");
