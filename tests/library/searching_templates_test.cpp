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

TEST(SearchingTemplates, NamesDescriptionsAndComplexitiesAreTheLibrarys) {
    const QList<QStringList> expected = {
        {QStringLiteral("배열 최댓값 찾기"),
         QStringLiteral("배열에서 가장 큰 값과 인덱스를 찾는 알고리즘"), QStringLiteral("O(n)")},
        {QStringLiteral("배열 최솟값 찾기"),
         QStringLiteral("배열에서 가장 작은 값과 인덱스를 찾는 알고리즘"), QStringLiteral("O(n)")},
        {QStringLiteral("이분 탐색"), QStringLiteral("정렬된 배열에서 특정 값을 찾는 알고리즘"),
         QStringLiteral("O(log n)")},
        {QStringLiteral("Lower Bound"), QStringLiteral("target 이상인 첫 번째 위치를 찾음"),
         QStringLiteral("O(log n)")},
        {QStringLiteral("Upper Bound"), QStringLiteral("target 초과인 첫 번째 위치를 찾음"),
         QStringLiteral("O(log n)")},
        {QStringLiteral("삼분 탐색"), QStringLiteral("유니모달 함수의 극값을 찾는 알고리즘"),
         QStringLiteral("O(log n)")},
        {QStringLiteral("파라메트릭 서치"),
         QStringLiteral("최적화 문제를 결정 문제로 변환하여 이분 탐색"),
         QStringLiteral("O(log n × check)")},
    };
    QList<QStringList> actual;
    for (const AlgorithmTemplate& item : templates(AlgorithmCategory::searching))
        actual.append({item.name, item.description, item.timeComplexity});
    EXPECT_EQ(actual, expected);

    const QList<AlgorithmTemplate>& library = templates(AlgorithmCategory::searching);
    EXPECT_EQ(library[3].cppCode,
              QStringLiteral("// C++에서는 lower_bound(arr.begin(), arr.end(), target) 사용"));
    EXPECT_EQ(library[3].pythonCode,
              QStringLiteral("from bisect import bisect_left\n# bisect_left(arr, target) 사용"));
    EXPECT_EQ(library[4].cppCode,
              QStringLiteral("// C++에서는 upper_bound(arr.begin(), arr.end(), target) 사용"));
    EXPECT_EQ(library[4].pythonCode,
              QStringLiteral("from bisect import bisect_right\n# bisect_right(arr, target) 사용"));
}

TEST(SearchingTemplates, FragmentsFollowThePasteRules) {
    checkPasteRules(AlgorithmCategory::searching);
}

// Ties go to the first index; the bound hints are run as their comments say.
TEST(SearchingTemplates, EveryVariantCompilesAndFinds) {
    checkCategoryTemplates(
        AlgorithmCategory::searching, searchHelpers,
        {
            {QStringLiteral("배열 최댓값 찾기"),
             QStringLiteral("    for (const vector<int>& arr : vector<vector<int>>{{3, 8, 1, 8, "
                            "2}, {-5, -3, -9}}) {\n"
                            "        auto [value, index] = findMax(arr);\n"
                            "        cout << value << ' ' << index << '\\n';\n    }"),
             QStringLiteral(
                 "    int a[] = {3, 8, 1, 8, 2}, b[] = {-5, -3, -9}, idx;\n"
                 "    int value = findMax(a, 5, &idx);\n    printf(\"%d %d\\n\", value, idx);\n"
                 "    value = findMax(b, 3, &idx);\n    printf(\"%d %d\\n\", value, idx);"),
             QStringLiteral(
                 "for arr in ([3, 8, 1, 8, 2], [-5, -3, -9]):\n    print(*find_max(arr))"),
             QStringLiteral("8 1\n-3 1\n")},
            {QStringLiteral("배열 최솟값 찾기"),
             QStringLiteral("    for (const vector<int>& arr : vector<vector<int>>{{3, 1, 8, 1, "
                            "2}, {-5, -3, -9}}) {\n"
                            "        auto [value, index] = findMin(arr);\n"
                            "        cout << value << ' ' << index << '\\n';\n    }"),
             QStringLiteral(
                 "    int a[] = {3, 1, 8, 1, 2}, b[] = {-5, -3, -9}, idx;\n"
                 "    int value = findMin(a, 5, &idx);\n    printf(\"%d %d\\n\", value, idx);\n"
                 "    value = findMin(b, 3, &idx);\n    printf(\"%d %d\\n\", value, idx);"),
             QStringLiteral(
                 "for arr in ([3, 1, 8, 1, 2], [-5, -3, -9]):\n    print(*find_min(arr))"),
             QStringLiteral("1 1\n-9 2\n")},
            {QStringLiteral("이분 탐색"),
             QStringLiteral("    for (int t : {7, 4, 1, 11, 12, 0}) cout << "
                            "binarySearch(sortedArr, t) << ' ';\n"
                            "    cout << binarySearch({}, 5) << '\\n';"),
             QStringLiteral("    int targets[] = {7, 4, 1, 11, 12, 0};\n"
                            "    for (int i = 0; i < 6; i++) printf(\"%d \", "
                            "binarySearch(sortedArr, 6, targets[i]));\n"
                            "    printf(\"%d\\n\", binarySearch(sortedArr, 0, 5));"),
             QStringLiteral("print(*[binary_search(SORTED_ARR, t) for t in (7, 4, 1, 11, 12, 0)], "
                            "binary_search([], 5))"),
             QStringLiteral("3 -1 0 5 -1 -1 -1\n")},
            {QStringLiteral("Lower Bound"),
             QStringLiteral("    for (int t : {2, 3, 8, 0, 7})\n"
                            "        cout << lower_bound(dupArr.begin(), dupArr.end(), t) - "
                            "dupArr.begin() << ' ';\n"
                            "    cout << '\\n';"),
             QStringLiteral("    int targets[] = {2, 3, 8, 0, 7};\n"
                            "    for (int i = 0; i < 5; i++) printf(\"%d \", lowerBound(dupArr, 6, "
                            "targets[i]));\n"
                            "    printf(\"\\n\");"),
             QStringLiteral(
                 "print(*[bisect_left(DUP_ARR, t) for t in (2, 3, 8, 0, 7)], end=' \\n')"),
             QStringLiteral("1 4 6 0 5 \n")},
            {QStringLiteral("Upper Bound"),
             QStringLiteral("    for (int t : {2, 5, 7, 0, 1})\n"
                            "        cout << upper_bound(dupArr.begin(), dupArr.end(), t) - "
                            "dupArr.begin() << ' ';\n"
                            "    cout << '\\n';"),
             QStringLiteral("    int targets[] = {2, 5, 7, 0, 1};\n"
                            "    for (int i = 0; i < 5; i++) printf(\"%d \", upperBound(dupArr, 6, "
                            "targets[i]));\n"
                            "    printf(\"\\n\");"),
             QStringLiteral(
                 "print(*[bisect_right(DUP_ARR, t) for t in (2, 5, 7, 0, 1)], end=' \\n')"),
             QStringLiteral("4 5 6 0 1 \n")},
            {QStringLiteral("삼분 탐색"),
             QStringLiteral(
                 "    printf(\"%.4f %.4f\\n\", ternarySearch(-10, 10, [](double x) { return -(x - "
                 "2) * (x - 2) + 3; }),\n"
                 "           ternarySearch(0, 10, [](double x) { return x * (6 - x); }));"),
             QStringLiteral("    printf(\"%.4f %.4f\\n\", ternarySearch(-10, 10, peakAt2), "
                            "ternarySearch(0, 10, peakAt3));"),
             QStringLiteral("print(f'{ternary_search(-10, 10, lambda x: -(x - 2) ** 2 + 3):.4f} '\n"
                            "      f'{ternary_search(0, 10, lambda x: x * (6 - x)):.4f}')"),
             QStringLiteral("2.0000 3.0000\n")},
            // Found inside the range, none true (lo - 1), all true (hi), negative answer.
            {QStringLiteral("파라메트릭 서치"),
             QStringLiteral(
                 "    cout << parametricSearch(0, 1000000, [](long long x) { return x * x <= 1000; "
                 "}) << ' '\n"
                 "         << parametricSearch(0, 100, [](long long x) { return x < 0; }) << ' '\n"
                 "         << parametricSearch(-5, 50, [](long long) { return true; }) << ' '\n"
                 "         << parametricSearch(-10, 10, [](long long x) { return x <= -3; }) << "
                 "'\\n';"),
             QStringLiteral("    printf(\"%lld %lld %lld %lld\\n\", parametricSearch(0, 1000000, "
                            "squareAtMost1000),\n"
                            "           parametricSearch(0, 100, negative), parametricSearch(-5, "
                            "50, always),\n"
                            "           parametricSearch(-10, 10, atMostMinus3));"),
             QStringLiteral("print(parametric_search(0, 1000000, lambda x: x * x <= 1000),\n"
                            "      parametric_search(0, 100, lambda x: x < 0),\n"
                            "      parametric_search(-5, 50, lambda x: True),\n"
                            "      parametric_search(-10, 10, lambda x: x <= -3))"),
             QStringLiteral("31 -1 50 -3\n")},
        });
}

} // namespace
