    printf("%.4f %.4f\n", ternarySearch(-10, 10, [](double x) { return -(x - 2) * (x - 2) + 3; }),
           ternarySearch(0, 10, [](double x) { return x * (6 - x); }));
