#include "template_harness.h"

#include "support/printers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(StringTemplates, EveryVariantCompilesAndFindsMatches) {
    checkCategoryTemplates(
        AlgorithmCategory::string, {},
        {
            {u"KMP 문자열 매칭"_s, uR"(for (int v : getFailure("ABABCABAB")) cout << v << ' ';
cout << '|';
for (int v : getFailure("aabaaab")) cout << ' ' << v;
cout << " |";
for (int p : kmp("ABABDABACDABABCABAB", "ABABCABAB")) cout << ' ' << p;
cout << " |";
for (int p : kmp("aaaaa", "aa")) cout << ' ' << p;
cout << " | " << kmp("abc", "").size() << kmp("ab", "abc").size() << '\n';)"_s,
             uR"(int fail[16];
getFailure("ABABCABAB", fail);
for (int i = 0; i < 9; i++) printf("%d ", fail[i]);
printf("|");
getFailure("aabaaab", fail);
for (int i = 0; i < 7; i++) printf(" %d", fail[i]);
printf("\n");)"_s,
             uR"(print(*get_failure("ABABCABAB"), '|', *get_failure("aabaaab"), '|',
      *kmp("ABABDABACDABABCABAB", "ABABCABAB"), '|', *kmp("aaaaa", "aa"), '|',
      f'{len(kmp("abc", ""))}{len(kmp("ab", "abc"))}'))"_s,
             u"0 0 1 2 0 1 2 3 4 | 0 1 0 1 2 2 3 | 10 | 0 1 2 3 | 00\n"_s,
             u"0 0 1 2 0 1 2 3 4 | 0 1 0 1 2 2 3\n"_s},
            {u"라빈-카프"_s, uR"(for (int p : rabinKarp("abracadabra", "abra")) cout << p << ' ';
cout << '|';
for (int p : rabinKarp("aaaaa", "aa")) cout << ' ' << p;
cout << " | " << rabinKarp("ab", "abc").size() << rabinKarp("abc", "").size()
     << rabinKarp("abc", "abc").size();
for (int p : rabinKarp(string(1000, 'a') + "b\xff", "aab\xff")) cout << ' ' << p;
cout << '\n';)"_s,
             uR"(static int found[2000];
static char text[2000];
int count = rabinKarp("abracadabra", "abra", found);
for (int i = 0; i < count; i++) printf("%d ", found[i]);
printf("|");
count = rabinKarp("aaaaa", "aa", found);
for (int i = 0; i < count; i++) printf(" %d", found[i]);
printf(" | %d%d", rabinKarp("ab", "abc", found), rabinKarp("abc", "", found));
printf("%d", rabinKarp("abc", "abc", found));
memset(text, 'a', 1000);
strcpy(text + 1000, "b\xff");
count = rabinKarp(text, "aab\xff", found);
for (int i = 0; i < count; i++) printf(" %d", found[i]);
printf("\n");)"_s,
             uR"(print(*rabin_karp("abracadabra", "abra"), '|', *rabin_karp("aaaaa", "aa"), '|',
      f'{len(rabin_karp("ab", "abc"))}{len(rabin_karp("abc", ""))}{len(rabin_karp("abc", "abc"))}',
      *rabin_karp("a" * 1000 + "b한", "aab한")))"_s,
             u"0 7 | 0 1 2 3 | 001 998\n"_s},
            {u"Z 알고리즘"_s, uR"(for (int v : zFunction("aabxaab")) cout << v << ' ';
cout << '|';
for (int v : zFunction("aaaaa")) cout << ' ' << v;
cout << " | " << zFunction("").size() << '\n';)"_s,
             uR"(int z[16];
zFunction("aabxaab", z);
for (int i = 0; i < 7; i++) printf("%d ", z[i]);
printf("|");
zFunction("aaaaa", z);
for (int i = 0; i < 5; i++) printf(" %d", z[i]);
printf("\n");)"_s,
             uR"(print(*z_function("aabxaab"), '|', *z_function("aaaaa"), '|', len(z_function(""))))"_s,
             u"7 1 0 0 3 1 0 | 5 4 3 2 1 | 0\n"_s, u"7 1 0 0 3 1 0 | 5 4 3 2 1\n"_s},
            {u"매내처"_s, uR"(for (int v : manacher("aba")) cout << v << ' ';
cout << '|';
for (string s : {"abacaba", "abba", "forgeeksskeegfor", "", "a#b#a"}) {
    vector<int> p = manacher(s);
    cout << ' ' << *max_element(p.begin(), p.end());
}
cout << '\n';)"_s,
             uR"(manacher("aba");
for (int i = 0; i < 7; i++) printf("%d ", radius[i]);
printf("|");
const char* words[] = {"abacaba", "abba", "forgeeksskeegfor", "", "a#b#a"};
for (int i = 0; i < 5; i++) printf(" %d", manacher(words[i]));
printf("\n");)"_s,
             uR"(print(*manacher("aba"), '|', *(max(manacher(s)) for s in ["abacaba", "abba", "forgeeksskeegfor", "", "a#b#a"])))"_s,
             u"0 1 0 3 0 1 0 | 7 4 10 0 5\n"_s},
        });
}

} // namespace
