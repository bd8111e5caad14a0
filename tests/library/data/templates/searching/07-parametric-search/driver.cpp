    // Found inside the range, none true (lo - 1), all true (hi), negative answer.
    cout << parametricSearch(0, 1000000, [](long long x) { return x * x <= 1000; }) << ' '
         << parametricSearch(0, 100, [](long long x) { return x < 0; }) << ' '
         << parametricSearch(-5, 50, [](long long) { return true; }) << ' '
         << parametricSearch(-10, 10, [](long long x) { return x <= -3; }) << '\n';
