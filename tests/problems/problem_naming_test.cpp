#include "problems/problem_naming.h"
#include "support/printers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QString fileName(const QString& url, const QString& name,
                 ProgrammingLanguage language = ProgrammingLanguage::cpp) {
    ReceivedProblem problem;
    problem.url = url;
    problem.name = name;
    return problemFileName(problem, language);
}

TEST(ProblemNaming, BaekjoonProblemPagesAreNamedByNumber) {
    EXPECT_EQ(fileName(u"https://www.acmicpc.net/problem/1000"_s, u"A+B"_s), u"1000.cpp"_s);
    EXPECT_EQ(fileName(u"http://acmicpc.net/problem/2557/"_s, u"Hello World"_s,
                       ProgrammingLanguage::python),
              u"2557.py"_s);
    // Look-alikes and other pages of the judge are named by the problem's name.
    EXPECT_EQ(fileName(u"https://www.acmicpc.net.example/problem/1000"_s, u"A+B"_s), u"A_B.cpp"_s);
    EXPECT_EQ(fileName(u"https://www.acmicpc.net/contest/problem/1/2"_s, u"B"_s), u"B.cpp"_s);
}

TEST(ProblemNaming, OtherProblemsGetASafeShortNameKeepingKorean) {
    const QString url = u"https://codeforces.com/problemset/problem/954/G"_s;
    EXPECT_EQ(fileName(url, u"G. Castle Defense"_s), u"G_Castle_Defense.cpp"_s);
    EXPECT_EQ(fileName(url, u"수 정렬하기 2"_s, ProgrammingLanguage::java),
              u"수_정렬하기_2.java"_s);
    EXPECT_EQ(fileName(url, u"../../etc/passwd\n"_s), u"etc_passwd.cpp"_s);
    EXPECT_EQ(fileName(url, u"?! 🙂 ?!"_s), u"problem.cpp"_s);

    const QString longName = QString::fromUcs4(U"𝐀").repeated(maximumNameLength + 5);
    EXPECT_EQ(fileName(url, longName),
              QString::fromUcs4(U"𝐀").repeated(maximumNameLength) + u".cpp"_s);
}

TEST(ProblemNaming, ContestFoldersAreNamedByTheGroupsCategory) {
    EXPECT_EQ(contestFolderName(u"Codeforces - Codeforces Round 900 (Div. 3)"_s),
              u"Codeforces_Round_900_Div_3"_s);
    EXPECT_EQ(contestFolderName(u"Baekjoon Online Judge"_s), u"Baekjoon_Online_Judge"_s);
    EXPECT_EQ(contestFolderName(u" - "_s), u"contest"_s);
}

TEST(ProblemNaming, TakenNamesAreNeverReused) {
    const QSet<QString> taken{u"1000.cpp"_s, u"1000_1.cpp"_s, u"contest"_s};
    EXPECT_EQ(freeName(u"1000.py"_s, taken), u"1000.py"_s);
    EXPECT_EQ(freeName(u"1000.cpp"_s, taken), u"1000_2.cpp"_s);
    EXPECT_EQ(freeName(u"contest"_s, taken), u"contest_1"_s);
}

} // namespace
