#include "template_harness.h"

#include "support/printers.h"

#include <gtest/gtest.h>

namespace {

// The starter text has no <cstdio>; the harness adds it for formatted doubles.
const DriverHelpers searchHelpers = {
    QStringLiteral(R"(#include <cstdio>
const vector<int> sortedArr = {1, 3, 5, 7, 9, 11};
const vector<int> dupArr = {1, 2, 2, 2, 5, 7};)"),
    QStringLiteral(R"(int sortedArr[] = {1, 3, 5, 7, 9, 11};
int dupArr[] = {1, 2, 2, 2, 5, 7};
double peakAt2(double x) { return -(x - 2) * (x - 2) + 3; }
double peakAt3(double x) { return x * (6 - x); }
bool squareAtMost1000(long long x) { return x * x <= 1000; }
bool negative(long long x) { return x < 0; }
bool always(long long x) {
    (void)x;
    return true;
}
bool atMostMinus3(long long x) { return x <= -3; })"),
    QStringLiteral(R"(SORTED_ARR = [1, 3, 5, 7, 9, 11]
DUP_ARR = [1, 2, 2, 2, 5, 7])"),
};

// Ties go to the first index; the bound hints are run as their comments say.
TEST(SearchingTemplates, EveryVariantCompilesAndFinds) {
    checkCategoryTemplates(
        AlgorithmCategory::searching, searchHelpers,
        {
            {QStringLiteral("배열 최댓값 찾기"),
             QStringLiteral(
                 R"(    for (const vector<int>& arr : vector<vector<int>>{{3, 8, 1, 8, 2}, {-5, -3, -9}}) {
        auto [value, index] = findMax(arr);
        cout << value << ' ' << index << '\n';
    })"),
             QStringLiteral(R"(    int a[] = {3, 8, 1, 8, 2}, b[] = {-5, -3, -9}, idx;
    int value = findMax(a, 5, &idx);
    printf("%d %d\n", value, idx);
    value = findMax(b, 3, &idx);
    printf("%d %d\n", value, idx);)"),
             QStringLiteral(R"(for arr in ([3, 8, 1, 8, 2], [-5, -3, -9]):
    print(*find_max(arr)))"),
             QStringLiteral("8 1\n-3 1\n")},
            {QStringLiteral("배열 최솟값 찾기"),
             QStringLiteral(
                 R"(    for (const vector<int>& arr : vector<vector<int>>{{3, 1, 8, 1, 2}, {-5, -3, -9}}) {
        auto [value, index] = findMin(arr);
        cout << value << ' ' << index << '\n';
    })"),
             QStringLiteral(R"(    int a[] = {3, 1, 8, 1, 2}, b[] = {-5, -3, -9}, idx;
    int value = findMin(a, 5, &idx);
    printf("%d %d\n", value, idx);
    value = findMin(b, 3, &idx);
    printf("%d %d\n", value, idx);)"),
             QStringLiteral(R"(for arr in ([3, 1, 8, 1, 2], [-5, -3, -9]):
    print(*find_min(arr)))"),
             QStringLiteral("1 1\n-9 2\n")},
            {QStringLiteral("이분 탐색"),
             QStringLiteral(
                 R"(    for (int t : {7, 4, 1, 11, 12, 0}) cout << binarySearch(sortedArr, t) << ' ';
    cout << binarySearch({}, 5) << '\n';)"),
             QStringLiteral(R"(    int targets[] = {7, 4, 1, 11, 12, 0};
    for (int i = 0; i < 6; i++) printf("%d ", binarySearch(sortedArr, 6, targets[i]));
    printf("%d\n", binarySearch(sortedArr, 0, 5));)"),
             QStringLiteral(
                 R"(print(*[binary_search(SORTED_ARR, t) for t in (7, 4, 1, 11, 12, 0)], binary_search([], 5)))"),
             QStringLiteral("3 -1 0 5 -1 -1 -1\n")},
            {QStringLiteral("Lower Bound"),
             QStringLiteral(
                 R"(    for (int t : {2, 3, 8, 0, 7}) cout << lower_bound(dupArr.begin(), dupArr.end(), t) - dupArr.begin() << ' ';
    cout << '\n';)"),
             QStringLiteral(R"(    int targets[] = {2, 3, 8, 0, 7};
    for (int i = 0; i < 5; i++) printf("%d ", lowerBound(dupArr, 6, targets[i]));
    printf("\n");)"),
             QStringLiteral(
                 R"(print(*[bisect_left(DUP_ARR, t) for t in (2, 3, 8, 0, 7)], end=' \n'))"),
             QStringLiteral("1 4 6 0 5 \n")},
            {QStringLiteral("Upper Bound"),
             QStringLiteral(
                 R"(    for (int t : {2, 5, 7, 0, 1}) cout << upper_bound(dupArr.begin(), dupArr.end(), t) - dupArr.begin() << ' ';
    cout << '\n';)"),
             QStringLiteral(R"(    int targets[] = {2, 5, 7, 0, 1};
    for (int i = 0; i < 5; i++) printf("%d ", upperBound(dupArr, 6, targets[i]));
    printf("\n");)"),
             QStringLiteral(
                 R"(print(*[bisect_right(DUP_ARR, t) for t in (2, 5, 7, 0, 1)], end=' \n'))"),
             QStringLiteral("4 5 6 0 1 \n")},
            {QStringLiteral("삼분 탐색"),
             QStringLiteral(
                 R"(    printf("%.4f %.4f\n", ternarySearch(-10, 10, [](double x) { return -(x - 2) * (x - 2) + 3; }),
           ternarySearch(0, 10, [](double x) { return x * (6 - x); }));)"),
             QStringLiteral(
                 R"(    printf("%.4f %.4f\n", ternarySearch(-10, 10, peakAt2), ternarySearch(0, 10, peakAt3));)"),
             QStringLiteral(R"(print(f'{ternary_search(-10, 10, lambda x: -(x - 2) ** 2 + 3):.4f} '
      f'{ternary_search(0, 10, lambda x: x * (6 - x)):.4f}'))"),
             QStringLiteral("2.0000 3.0000\n")},
            // Found inside the range, none true (lo - 1), all true (hi), negative answer.
            {QStringLiteral("파라메트릭 서치"),
             QStringLiteral(
                 R"(    cout << parametricSearch(0, 1000000, [](long long x) { return x * x <= 1000; }) << ' '
         << parametricSearch(0, 100, [](long long x) { return x < 0; }) << ' '
         << parametricSearch(-5, 50, [](long long) { return true; }) << ' '
         << parametricSearch(-10, 10, [](long long x) { return x <= -3; }) << '\n';)"),
             QStringLiteral(
                 R"(    printf("%lld %lld %lld %lld\n", parametricSearch(0, 1000000, squareAtMost1000),
           parametricSearch(0, 100, negative), parametricSearch(-5, 50, always),
           parametricSearch(-10, 10, atMostMinus3));)"),
             QStringLiteral(R"(print(parametric_search(0, 1000000, lambda x: x * x <= 1000),
      parametric_search(0, 100, lambda x: x < 0),
      parametric_search(-5, 50, lambda x: True),
      parametric_search(-10, 10, lambda x: x <= -3)))"),
             QStringLiteral("31 -1 50 -3\n")},
        });
}

} // namespace
