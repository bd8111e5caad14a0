    printf("%.4f %.4f\n", ternarySearch(-10, 10, peakAt2), ternarySearch(0, 10, peakAt3));
