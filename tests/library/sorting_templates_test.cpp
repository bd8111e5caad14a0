#include "template_harness.h"

#include "support/printers.h"

#include <gtest/gtest.h>

namespace {

// Mixed signs, already sorted, reversed, all equal, one element, empty.
const DriverHelpers sortHelpers = {
    QStringLiteral(R"(void printInts(const vector<int>& v) {
    for (size_t i = 0; i < v.size(); i++) cout << (i ? " " : "") << v[i];
    cout << '\n';
}
vector<vector<int>> sortCases() {
    return {{5, -2, 9, 1, 5, 6, 0, -7, 3}, {1, 2, 3, 4, 5}, {9, 7, 5, 3, 1, 0}, {4, 4, 4, 4}, {42}, {}};
}
vector<vector<int>> radixCases() {
    return {{170, 45, 75, 90, 802, 24, 2, 66}, {0, 0, 1}, {2147483647, 7, 1000000000}, {}};
})"),
    QStringLiteral(R"(void printInts(const int* a, int n) {
    for (int i = 0; i < n; i++) printf(i ? " %d" : "%d", a[i]);
    printf("\n");
}
int sortCases[6][9] = {{5, -2, 9, 1, 5, 6, 0, -7, 3}, {1, 2, 3, 4, 5}, {9, 7, 5, 3, 1, 0}, {4, 4, 4, 4}, {42}, {0}};
int sortLengths[6] = {9, 5, 6, 4, 1, 0};
int radixCases[4][8] = {{170, 45, 75, 90, 802, 24, 2, 66}, {0, 0, 1}, {2147483647, 7, 1000000000}, {0}};
int radixLengths[4] = {8, 3, 3, 0};)"),
    QStringLiteral(
        R"(SORT_CASES = [[5, -2, 9, 1, 5, 6, 0, -7, 3], [1, 2, 3, 4, 5], [9, 7, 5, 3, 1, 0], [4, 4, 4, 4], [42], []]
RADIX_CASES = [[170, 45, 75, 90, 802, 24, 2, 66], [0, 0, 1], [2147483647, 7, 1000000000], []])"),
};

QString cppSorts(const QString& call) {
    return QStringLiteral(R"(    for (vector<int> arr : sortCases()) {
        %1;
        printInts(arr);
    })")
        .arg(call);
}

QString cSorts(const QString& call) {
    return QStringLiteral(R"(    for (int c = 0; c < 6; c++) {
        int arr[9], n = sortLengths[c];
        memcpy(arr, sortCases[c], sizeof arr);
        %1;
        printInts(arr, n);
    })")
        .arg(call);
}

QString pythonSorts(const QString& call) {
    return QStringLiteral("for case in SORT_CASES:\n    print(*%1)").arg(call);
}

const QString sorted =
    QStringLiteral("-7 -2 0 1 3 5 5 6 9\n1 2 3 4 5\n0 1 3 5 7 9\n4 4 4 4\n42\n\n");

TEST(TemplateLibrary, EveryFragmentFollowsThePasteRules) {
    for (AlgorithmCategory category : allAlgorithmCategories())
        checkPasteRules(category);
}

TEST(SortingTemplates, EveryVariantCompilesAndSorts) {
    const QString radixSorted =
        QStringLiteral("2 24 45 66 75 90 170 802\n0 0 1\n7 1000000000 2147483647\n\n");
    checkCategoryTemplates(
        AlgorithmCategory::sorting, sortHelpers,
        {
            {QStringLiteral("버블 정렬"), cppSorts(QStringLiteral("bubbleSort(arr)")),
             cSorts(QStringLiteral("bubbleSort(arr, n)")),
             pythonSorts(QStringLiteral("bubble_sort(list(case))")), sorted},
            {QStringLiteral("선택 정렬"), cppSorts(QStringLiteral("selectionSort(arr)")),
             cSorts(QStringLiteral("selectionSort(arr, n)")),
             pythonSorts(QStringLiteral("selection_sort(list(case))")), sorted},
            {QStringLiteral("삽입 정렬"), cppSorts(QStringLiteral("insertionSort(arr)")),
             cSorts(QStringLiteral("insertionSort(arr, n)")),
             pythonSorts(QStringLiteral("insertion_sort(list(case))")), sorted},
            {QStringLiteral("퀵 정렬"),
             cppSorts(QStringLiteral("quickSort(arr, 0, (int)arr.size() - 1)")),
             cSorts(QStringLiteral("quickSort(arr, 0, n - 1)")),
             pythonSorts(QStringLiteral("quick_sort(case)")), sorted},
            {QStringLiteral("병합 정렬"),
             cppSorts(QStringLiteral("mergeSort(arr, 0, (int)arr.size() - 1)")),
             cSorts(QStringLiteral("mergeSort(arr, 0, n - 1)")),
             pythonSorts(QStringLiteral("merge_sort(case)")), sorted},
            // The C++ variant is a hint only; the Python one must leave its input alone.
            {QStringLiteral("힙 정렬"), QString(), cSorts(QStringLiteral("heapSort(arr, n)")),
             QStringLiteral(R"(for case in SORT_CASES:
    before = list(case)
    print(*heap_sort(case))
    assert case == before)"),
             sorted},
            {QStringLiteral("계수 정렬"), cppSorts(QStringLiteral("countingSort(arr)")),
             cSorts(QStringLiteral("countingSort(arr, n)")),
             pythonSorts(QStringLiteral("counting_sort(case)")), sorted},
            // Non-negative only; INT_MAX checks that the digit loop does not overflow.
            {QStringLiteral("기수 정렬"),
             QStringLiteral(R"(    for (vector<int> arr : radixCases()) {
        radixSort(arr);
        printInts(arr);
    })"),
             QStringLiteral(R"(    for (int c = 0; c < 4; c++) {
        int arr[8], n = radixLengths[c];
        memcpy(arr, radixCases[c], sizeof arr);
        radixSort(arr, n);
        printInts(arr, n);
    })"),
             QStringLiteral(R"(for case in RADIX_CASES:
    print(*radix_sort(case)))"),
             radixSorted},
        });
}

} // namespace
