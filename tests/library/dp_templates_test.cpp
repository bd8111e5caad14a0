#include "template_harness.h"

#include "support/printers.h"

#include <gtest/gtest.h>

namespace {

// Each line mixes a textbook answer with an edge (empty input, nothing fits,
// impossible amount, a sum beyond int, an item that must not be taken twice).
TEST(DpTemplates, EveryVariantCompilesAndOptimises) {
    checkCategoryTemplates(
        AlgorithmCategory::dp, {},
        {
            {QStringLiteral("배낭 문제 (0/1 Knapsack)"),
             QStringLiteral(
                 R"(    cout << knapsack({6, 4, 3, 5}, {13, 8, 6, 12}, 7) << ' ' << knapsack({6, 4, 3, 5}, {13, 8, 6, 12}, 0)
         << ' ' << knapsack({1, 1}, {2000000000, 2000000000}, 2) << ' ' << knapsack({2}, {3}, 4) << '\n';)"),
             QStringLiteral(
                 R"(    int w1[] = {6, 4, 3, 5}, v1[] = {13, 8, 6, 12}, w2[] = {1, 1}, v2[] = {2000000000, 2000000000};
    int w3[] = {2}, v3[] = {3};
    printf("%lld %lld %lld %lld\n", knapsack(w1, v1, 4, 7), knapsack(w1, v1, 4, 0), knapsack(w2, v2, 2, 2),
           knapsack(w3, v3, 1, 4));)"),
             QStringLiteral(
                 R"(print(knapsack([6, 4, 3, 5], [13, 8, 6, 12], 7), knapsack([6, 4, 3, 5], [13, 8, 6, 12], 0),
      knapsack([1, 1], [2000000000, 2000000000], 2), knapsack([2], [3], 4)))"),
             QStringLiteral("14 0 4000000000 3\n")},
            {QStringLiteral("LIS (최장 증가 부분 수열)"),
             QStringLiteral(
                 R"(    cout << lis({10, 20, 10, 30, 20, 50}) << ' ' << lis({2, 2, 2}) << ' ' << lis({5, 4, 3}) << ' '
         << lis({}) << '\n';)"),
             QStringLiteral(
                 R"(    int a[] = {10, 20, 10, 30, 20, 50}, b[] = {2, 2, 2}, c[] = {5, 4, 3};
    printf("%d %d %d %d\n", lis(a, 6), lis(b, 3), lis(c, 3), lis(a, 0));)"),
             QStringLiteral(
                 "print(lis([10, 20, 10, 30, 20, 50]), lis([2, 2, 2]), lis([5, 4, 3]), lis([]))"),
             QStringLiteral("4 1 1 0\n")},
            {QStringLiteral("LCS (최장 공통 부분 수열)"),
             QStringLiteral(
                 R"(    cout << lcs("ACAYKP", "CAPCAK") << ' ' << lcs("", "ABC") << ' ' << lcs("ABC", "ABC") << '\n';)"),
             QStringLiteral(
                 R"(    printf("%d %d %d\n", lcs("ACAYKP", "CAPCAK"), lcs("", "ABC"), lcs("ABC", "ABC"));)"),
             QStringLiteral(R"(print(lcs("ACAYKP", "CAPCAK"), lcs("", "ABC"), lcs("ABC", "ABC")))"),
             QStringLiteral("4 0 3\n")},
            {QStringLiteral("편집 거리"),
             QStringLiteral(
                 R"(    cout << editDistance("kitten", "sitting") << ' ' << editDistance("", "abc") << ' '
         << editDistance("abc", "") << ' ' << editDistance("intention", "execution") << ' '
         << editDistance("abc", "abc") << '\n';)"),
             QStringLiteral(
                 R"(    printf("%d %d %d %d %d\n", editDistance("kitten", "sitting"), editDistance("", "abc"),
           editDistance("abc", ""), editDistance("intention", "execution"), editDistance("abc", "abc"));)"),
             QStringLiteral(
                 R"(print(edit_distance("kitten", "sitting"), edit_distance("", "abc"), edit_distance("abc", ""),
      edit_distance("intention", "execution"), edit_distance("abc", "abc")))"),
             QStringLiteral("3 3 3 5 0\n")},
            {QStringLiteral("동전 교환"),
             QStringLiteral(
                 R"(    cout << coinChange({1, 2, 5}, 11) << ' ' << coinChange({2}, 3) << ' ' << coinChange({1}, 0) << ' '
         << coinChange({186, 419, 83, 408}, 6249) << '\n';)"),
             QStringLiteral(
                 R"(    int a[] = {1, 2, 5}, b[] = {2}, c[] = {1}, d[] = {186, 419, 83, 408};
    printf("%d %d %d %d\n", coinChange(a, 3, 11), coinChange(b, 1, 3), coinChange(c, 1, 0), coinChange(d, 4, 6249));)"),
             QStringLiteral(
                 R"(print(coin_change([1, 2, 5], 11), coin_change([2], 3), coin_change([1], 0),
      coin_change([186, 419, 83, 408], 6249)))"),
             QStringLiteral("3 -1 0 20\n")},
            {QStringLiteral("행렬 곱셈 순서"),
             QStringLiteral(
                 R"(    cout << matrixChain({10, 20, 30, 40, 30}) << ' ' << matrixChain({40, 20, 30, 10, 30}) << ' '
         << matrixChain({5, 10}) << ' ' << matrixChain({2000, 2000, 2000, 2000}) << '\n';)"),
             QStringLiteral(
                 R"(    int a[] = {10, 20, 30, 40, 30}, b[] = {40, 20, 30, 10, 30}, c[] = {5, 10}, d[] = {2000, 2000, 2000, 2000};
    printf("%lld %lld %lld %lld\n", matrixChain(a, 4), matrixChain(b, 4), matrixChain(c, 1), matrixChain(d, 3));)"),
             QStringLiteral(
                 R"(print(matrix_chain([10, 20, 30, 40, 30]), matrix_chain([40, 20, 30, 10, 30]), matrix_chain([5, 10]),
      matrix_chain([2000, 2000, 2000, 2000])))"),
             QStringLiteral("30000 26000 0 16000000000\n")},
        });
}

} // namespace
