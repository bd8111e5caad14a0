int sortedArr[] = {1, 3, 5, 7, 9, 11};
int dupArr[] = {1, 2, 2, 2, 5, 7};
double peakAt2(double x) { return -(x - 2) * (x - 2) + 3; }
double peakAt3(double x) { return x * (6 - x); }
bool squareAtMost1000(long long x) { return x * x <= 1000; }
bool negative(long long x) { return x < 0; }
bool always(long long x) {
    (void)x;
    return true;
}
bool atMostMinus3(long long x) { return x <= -3; }
