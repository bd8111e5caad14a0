#include "library/algorithm_templates.h"
#include "library/starter_code.h"
#include "library/template_insertion.h"
#include "support/printers.h"
#include "support/process_runner.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Each check pastes the templates into the default starter text of its
// language, the way insertTemplate does, adds a few calls with known answers
// and runs the result with the real compiler or interpreter. The calls run
// before the starter's own (empty) main: a static object in C++, a
// constructor function in C, top-level statements in Python.

using namespace Qt::StringLiterals;

namespace {

const AlgorithmTemplate* findTemplate(AlgorithmCategory category, const QString& name) {
    for (const AlgorithmTemplate& algorithm : templates(category)) {
        if (algorithm.name == name)
            return &algorithm;
    }
    return nullptr;
}

QString sourceWithChecks(ProgrammingLanguage language, const QList<const AlgorithmTemplate*>& parts,
                         const QString& calls) {
    QString source = language == ProgrammingLanguage::c ? u"#define MAX 1000\n"_s : QString();
    source += registeredDefaultTemplate(language);
    for (const AlgorithmTemplate* part : parts)
        source += u"\n\n"_s + templateHeader(language, *part) + templateCode(language, *part);
    switch (language) {
    case ProgrammingLanguage::cpp:
        return source + u"\n\nstatic struct TemplateCheck {\n    TemplateCheck() {\n"_s + calls +
               u"\n    }\n} templateCheck;\n"_s;
    case ProgrammingLanguage::c:
        return source + u"\n\n__attribute__((constructor)) static void templateCheck(void) {\n"_s +
               calls + u"\n}\n"_s;
    default:
        return source + u"\n\n"_s + calls + u"\n"_s;
    }
}

// Compiles warning-free (-Werror) and runs; the output of the checks or the compiler's complaint.
ProcessOutcome compileAndRun(ProgrammingLanguage language, const QString& source) {
    QTemporaryDir dir;
    const QString name = language == ProgrammingLanguage::cpp ? u"main.cpp"_s
                         : language == ProgrammingLanguage::c ? u"main.c"_s
                                                              : u"main.py"_s;
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        return {false, -1, {}, u"cannot write "_s + file.fileName()};
    file.write(source.toUtf8());
    file.close();

    if (language == ProgrammingLanguage::python)
        return runProcess(u"python3"_s, {name}, 120000, dir.path());
    const QStringList flags =
        language == ProgrammingLanguage::cpp
            ? QStringList{u"-std=c++17"_s, u"-Wall"_s, u"-Wextra"_s, u"-Werror"_s}
            : QStringList{u"-Wall"_s, u"-Wextra"_s, u"-Werror"_s};
    const ProcessOutcome compiled =
        runProcess(language == ProgrammingLanguage::cpp ? u"g++"_s : u"gcc"_s,
                   flags + QStringList{name, u"-o"_s, u"main"_s}, 120000, dir.path());
    if (!compiled.succeeded())
        return compiled;
    return runProcess(dir.filePath(u"main"_s), {}, 120000, dir.path());
}

struct BehaviourCheck {
    QString name;
    // Templates the checked one calls; pasted before it.
    QStringList uses;
    QString cpp;
    QString c;
    QString python;
    QString expected;
    // When the C variant offers less than the others.
    QString expectedC = {};
};

void runChecks(AlgorithmCategory category, const QList<BehaviourCheck>& checks) {
    for (const BehaviourCheck& check : checks) {
        QList<const AlgorithmTemplate*> parts;
        for (const QString& name : check.uses + QStringList{check.name}) {
            const AlgorithmTemplate* algorithm = findTemplate(category, name);
            ASSERT_NE(algorithm, nullptr) << name.toStdString();
            parts.append(algorithm);
        }
        const QList<std::pair<ProgrammingLanguage, QString>> variants = {
            {ProgrammingLanguage::cpp, check.cpp},
            {ProgrammingLanguage::c, check.c},
            {ProgrammingLanguage::python, check.python}};
        for (const auto& [language, calls] : variants) {
            SCOPED_TRACE((check.name + u" in "_s + rawValue(language)).toStdString());
            const QString source = sourceWithChecks(language, parts, calls);
            const ProcessOutcome outcome = compileAndRun(language, source);
            ASSERT_TRUE(outcome.succeeded()) << outcome.err.toStdString() << "\n"
                                             << source.toStdString();
            const QString expected =
                language == ProgrammingLanguage::c && !check.expectedC.isEmpty() ? check.expectedC
                                                                                 : check.expected;
            EXPECT_EQ(outcome.out, expected);
        }
    }
}

} // namespace

TEST(DataMathStringTemplates, NamesDescriptionsAndComplexitiesInLibraryOrder) {
    struct Row {
        AlgorithmCategory category;
        QStringList texts;
    };
    const QList<Row> rows = {
        {AlgorithmCategory::dataStructure,
         {u"Union-Find (분리 집합)|집합의 합집합과 찾기 연산|O(α(n)) ≈ O(1)"_s,
          u"세그먼트 트리|구간 쿼리를 효율적으로 처리|O(log n)"_s,
          u"펜윅 트리 (BIT)|구간 합 쿼리와 점 업데이트|O(log n)"_s,
          u"트라이|문자열 검색을 위한 트리 자료구조|O(m) - m은 문자열 길이"_s,
          u"희소 테이블|정적 배열의 구간 최솟값/최댓값 쿼리|O(1) 쿼리, O(n log n) 전처리"_s}},
        {AlgorithmCategory::math,
         {u"GCD/LCM|최대공약수와 최소공배수|O(log min(a,b))"_s,
          u"에라토스테네스의 체|소수 판별 및 목록 생성|O(n log log n)"_s,
          u"모듈러 거듭제곱|큰 수의 거듭제곱을 모듈러 연산|O(log n)"_s,
          u"확장 유클리드|ax + by = gcd(a,b)를 만족하는 x, y 찾기|O(log min(a,b))"_s,
          u"모듈러 역원|a의 모듈러 역원 (a⁻¹ mod m)|O(log m)"_s,
          u"조합 (nCr)|이항 계수 계산|O(n) 전처리, O(1) 쿼리"_s,
          u"팩토리얼|n! 계산 및 모듈러 연산|O(n)"_s}},
        {AlgorithmCategory::string,
         {u"KMP 문자열 매칭|패턴 문자열 검색 알고리즘|O(n + m)"_s,
          u"라빈-카프|해시 기반 문자열 매칭|O(n + m) 평균"_s,
          u"Z 알고리즘|각 위치에서 시작하는 접두사 일치 길이|O(n)"_s,
          u"매내처|모든 위치에서 가장 긴 팰린드롬 찾기|O(n)"_s}},
    };
    for (const Row& row : rows) {
        QStringList actual;
        for (const AlgorithmTemplate& algorithm : templates(row.category))
            actual.append(algorithm.name + u'|' + algorithm.description + u'|' +
                          algorithm.timeComplexity);
        EXPECT_EQ(actual, row.texts);
    }
}

TEST(DataMathStringTemplates, GcdLcmVariantsAreTheFixedTexts) {
    const AlgorithmTemplate* gcd = findTemplate(AlgorithmCategory::math, u"GCD/LCM"_s);
    ASSERT_NE(gcd, nullptr);
    const QString functions =
        u"long long gcd(long long a, long long b) {\n    return b ? gcd(b, a "
        u"% b) : a;\n}\nlong long lcm(long long a, long long b) {\n    return "
        u"a / gcd(a, b) * b;\n}"_s;
    EXPECT_EQ(gcd->cppCode, u"// C++17: __gcd(a, b) 또는 gcd(a, b)\n"_s + functions);
    EXPECT_EQ(gcd->cCode, functions);
    EXPECT_EQ(gcd->pythonCode,
              u"from math import gcd, lcm  # Python 3.9+\n\n# 또는 직접 구현\ndef gcd(a, b):\n    "
              u"while b:\n        a, b = b, a % b\n    return a\n\ndef lcm(a, b):\n    return a // "
              u"gcd(a, b) * b"_s);
}

// Paste-ready: no includes, no tabs, four-space indentation, no final line
// feed, no trailing blanks. nCr uses modPow without carrying its own copy.
TEST(DataMathStringTemplates, VariantsArePasteReadyFragments) {
    const QRegularExpression modPowDefinition(u"(long long modPow\\(|def mod_pow\\()"_s);
    for (AlgorithmCategory category :
         {AlgorithmCategory::dataStructure, AlgorithmCategory::math, AlgorithmCategory::string}) {
        for (const AlgorithmTemplate& algorithm : templates(category)) {
            for (const QString& code : {algorithm.cppCode, algorithm.cCode, algorithm.pythonCode}) {
                SCOPED_TRACE(code.toStdString());
                EXPECT_FALSE(code.isEmpty());
                EXPECT_FALSE(code.contains(u"#include"_s));
                EXPECT_FALSE(code.endsWith(u'\n'));
                EXPECT_FALSE(code.contains(u'\t'));
                for (const QString& line : code.split(u'\n')) {
                    const qsizetype indent = line.size() - line.trimmed().size();
                    EXPECT_FALSE(line.endsWith(u' ')) << line.toStdString();
                    EXPECT_EQ(indent % 4, 0) << line.toStdString();
                }
                if (algorithm.name == u"조합 (nCr)"_s) {
                    EXPECT_FALSE(code.contains(modPowDefinition));
                }
            }
        }
    }
}

TEST(DataMathStringTemplates, DataStructuresAnswerKnownQueries) {
    runChecks(
        AlgorithmCategory::dataStructure,
        {
            {u"Union-Find (분리 집합)"_s,
             {},
             uR"(UnionFind uf(6);
cout << uf.unite(0, 1) << uf.unite(1, 2) << uf.unite(0, 2) << uf.unite(3, 4) << ' '
     << (uf.find(2) == uf.find(0)) << (uf.find(3) == uf.find(0))
     << (uf.find(4) == uf.find(3)) << (uf.find(5) == uf.find(4)) << '\n';)"_s,
             uR"(init(6);
int r1 = unite(0, 1), r2 = unite(1, 2), r3 = unite(0, 2), r4 = unite(3, 4);
printf("%d%d%d%d %d%d%d%d\n", r1, r2, r3, r4, find(2) == find(0), find(3) == find(0),
       find(4) == find(3), find(5) == find(4));)"_s,
             uR"(uf = UnionFind(6)
r = [uf.union(0, 1), uf.union(1, 2), uf.union(0, 2), uf.union(3, 4)]
s = [uf.find(2) == uf.find(0), uf.find(3) == uf.find(0), uf.find(4) == uf.find(3), uf.find(5) == uf.find(4)]
print(''.join(str(int(x)) for x in r), ''.join(str(int(x)) for x in s)))"_s,
             u"1101 1010\n"_s},
            {u"세그먼트 트리"_s,
             {},
             uR"(vector<long long> a = {5, 3, 7, 9, 6, 4, 1, 2}, b = {1, 2, 3, 4, 5};
SegmentTree st(a), odd(b);
cout << st.query(0, 7) << ' ' << st.query(2, 5) << ' ' << st.query(3, 3) << ' ';
st.update(3, 0);
cout << st.query(2, 5) << ' ' << st.query(0, 7) << ' ';
cout << odd.query(1, 3) << ' ' << odd.query(0, 4) << ' ' << odd.query(4, 4) << '\n';)"_s,
             uR"(long long a[] = {5, 3, 7, 9, 6, 4, 1, 2}, b[] = {1, 2, 3, 4, 5};
build(a, 8);
long long q1 = query(0, 7, 8), q2 = query(2, 5, 8), q3 = query(3, 3, 8);
update(3, 0, 8);
long long q4 = query(2, 5, 8), q5 = query(0, 7, 8);
build(b, 5);
printf("%lld %lld %lld %lld %lld %lld %lld %lld\n", q1, q2, q3, q4, q5, query(1, 3, 5),
       query(0, 4, 5), query(4, 4, 5));)"_s,
             uR"(st = SegmentTree([5, 3, 7, 9, 6, 4, 1, 2])
odd = SegmentTree([1, 2, 3, 4, 5])
r = [st.query(0, 7), st.query(2, 5), st.query(3, 3)]
st.update(3, 0)
r += [st.query(2, 5), st.query(0, 7), odd.query(1, 3), odd.query(0, 4), odd.query(4, 4)]
print(*r))"_s,
             u"37 26 9 17 28 9 15 5\n"_s},
            {u"펜윅 트리 (BIT)"_s,
             {},
             uR"(FenwickTree ft(5);
for (int i = 1; i <= 5; i++) ft.update(i, i);
cout << ft.query(3) << ' ' << ft.rangeQuery(2, 4) << ' ';
ft.update(3, 10);
cout << ft.rangeQuery(2, 4) << ' ' << ft.query(5) << ' ' << ft.rangeQuery(1, 1) << '\n';)"_s,
             uR"(for (int i = 1; i <= 5; i++) update(i, i, 5);
long long q1 = query(3), q2 = rangeQuery(2, 4);
update(3, 10, 5);
printf("%lld %lld %lld %lld %lld\n", q1, q2, rangeQuery(2, 4), query(5), rangeQuery(1, 1));)"_s,
             uR"(ft = FenwickTree(5)
for i in range(1, 6):
    ft.update(i, i)
r = [ft.query(3), ft.range_query(2, 4)]
ft.update(3, 10)
print(*r, ft.range_query(2, 4), ft.query(5), ft.range_query(1, 1)))"_s,
             u"6 9 19 25 1\n"_s},
            {u"트라이"_s,
             {},
             uR"(Trie trie;
for (string word : {"apple", "app", "bat"}) trie.insert(word);
for (string word : {"app", "ap", "apple", "bat", "ba", "cat"}) cout << trie.search(word);
cout << ' ' << trie.startsWith("ap") << trie.startsWith("c") << trie.startsWith("") << '\n';)"_s,
             uR"(TrieNode* root = createNode();
insert(root, "apple");
insert(root, "app");
insert(root, "bat");
const char* words[] = {"app", "ap", "apple", "bat", "ba", "cat"};
for (int i = 0; i < 6; i++) printf("%d", search(root, words[i]));
printf("\n");)"_s,
             uR"(trie = Trie()
for word in ["apple", "app", "bat"]:
    trie.insert(word)
found = ''.join(str(int(trie.search(w))) for w in ["app", "ap", "apple", "bat", "ba", "cat"])
print(found, ''.join(str(int(trie.starts_with(p))) for p in ["ap", "c", ""])))"_s,
             u"101100 101\n"_s,
             u"101100\n"_s},
            {u"희소 테이블"_s,
             {},
             uR"(SparseTable table(vector<int>{5, 2, 8, 6, 3, 7, 1, 4}), single(vector<int>{42});
cout << table.query(0, 7) << ' ' << table.query(0, 3) << ' ' << table.query(2, 4) << ' '
     << table.query(3, 3) << ' ' << table.query(4, 5) << ' ' << table.query(2, 3) << ' '
     << single.query(0, 0) << '\n';)"_s,
             uR"(int a[] = {5, 2, 8, 6, 3, 7, 1, 4}, b[] = {42};
buildSparseTable(a, 8);
int q[] = {query(0, 7), query(0, 3), query(2, 4), query(3, 3), query(4, 5), query(2, 3)};
buildSparseTable(b, 1);
printf("%d %d %d %d %d %d %d\n", q[0], q[1], q[2], q[3], q[4], q[5], query(0, 0));)"_s,
             uR"(table = SparseTable([5, 2, 8, 6, 3, 7, 1, 4])
r = [table.query(0, 7), table.query(0, 3), table.query(2, 4), table.query(3, 3), table.query(4, 5), table.query(2, 3)]
print(*r, SparseTable([42]).query(0, 0)))"_s,
             u"1 2 3 6 3 6 42\n"_s},
        });
}

TEST(DataMathStringTemplates, MathAnswersKnownValues) {
    runChecks(
        AlgorithmCategory::math,
        {
            {u"GCD/LCM"_s,
             {},
             uR"(cout << gcd(12LL, 18LL) << ' ' << lcm(4LL, 6LL) << ' ' << gcd(0LL, 5LL) << ' '
     << lcm(1000000000LL, 999999999LL) << '\n';)"_s,
             uR"(printf("%lld %lld %lld %lld\n", gcd(12, 18), lcm(4, 6), gcd(0, 5), lcm(1000000000, 999999999));)"_s,
             uR"(print(gcd(12, 18), lcm(4, 6), gcd(0, 5), lcm(10**9, 999999999)))"_s,
             u"6 12 5 999999999000000000\n"_s},
            {u"에라토스테네스의 체"_s,
             {},
             uR"(vector<int> primes = sieve(30);
cout << primes.size() << ':';
for (int p : primes) cout << ' ' << p;
cout << ' ' << isPrime[0] << isPrime[1] << isPrime[2] << isPrime[27] << isPrime[29];
cout << ' ' << sieve(1000000).size();
cout << ' ' << sieve(1).size() << '\n';)"_s,
             uR"(static int primes[MAXN + 1];
int count = sieve(30, primes);
printf("%d:", count);
for (int i = 0; i < count; i++) printf(" %d", primes[i]);
printf(" %d%d%d%d%d", isPrime[0], isPrime[1], isPrime[2], isPrime[27], isPrime[29]);
printf(" %d", sieve(1000000, primes));
printf(" %d\n", sieve(1, primes));)"_s,
             uR"(primes, is_prime = sieve(30)
flags = ''.join(str(int(is_prime[i])) for i in (0, 1, 2, 27, 29))
print(f"{len(primes)}:", *primes, flags, len(sieve(10**6)[0]), len(sieve(1)[0])))"_s,
             u"10: 2 3 5 7 11 13 17 19 23 29 00101 78498 0\n"_s},
            {u"모듈러 거듭제곱"_s,
             {},
             uR"(cout << modPow(2, 10, 1000) << ' ' << modPow(3, 0, 7) << ' '
     << modPow(2, 1000000006, 1000000007) << ' ' << modPow(-2, 3, 5) << ' ' << modPow(5, 3, 1)
     << ' ' << modPow(123456789, 987654321, 1000000007) << '\n';)"_s,
             uR"(printf("%lld %lld %lld %lld %lld %lld\n", modPow(2, 10, 1000), modPow(3, 0, 7),
       modPow(2, 1000000006, 1000000007), modPow(-2, 3, 5), modPow(5, 3, 1),
       modPow(123456789, 987654321, 1000000007));)"_s,
             uR"(print(mod_pow(2, 10, 1000), mod_pow(3, 0, 7), mod_pow(2, 1000000006, 1000000007),
      mod_pow(-2, 3, 5), mod_pow(5, 3, 1), mod_pow(123456789, 987654321, 1000000007)))"_s,
             u"24 1 1 2 0 652541198\n"_s},
            {u"확장 유클리드"_s,
             {},
             uR"(auto [g, x, y] = extGcd(240, 46);
auto [g2, x2, y2] = extGcd(0, 5);
cout << g << ' ' << x << ' ' << y << ' ' << g2 << ' ' << x2 << ' ' << y2 << '\n';)"_s,
             uR"(long long x, y, x2, y2;
long long g = extGcd(240, 46, &x, &y);
long long g2 = extGcd(0, 5, &x2, &y2);
printf("%lld %lld %lld %lld %lld %lld\n", g, x, y, g2, x2, y2);)"_s,
             uR"(print(*ext_gcd(240, 46), *ext_gcd(0, 5)))"_s,
             u"2 -9 47 5 0 1\n"_s},
            {u"모듈러 역원"_s,
             {u"모듈러 거듭제곱"_s, u"확장 유클리드"_s},
             uR"(cout << modInverse(3, 7) << ' ' << modInverse(10, 1000000007) << ' '
     << modInverseExt(3, 10) << ' ' << modInverseExt(4, 10) << ' ' << modInverseExt(-3, 7)
     << ' ' << modInverseExt(-1, 7) << '\n';)"_s,
             uR"(printf("%lld %lld\n", modInverse(3, 7), modInverse(10, 1000000007));)"_s,
             uR"(print(mod_inverse(3, 7), mod_inverse(10, 1000000007), mod_inverse_ext(3, 10),
      mod_inverse_ext(4, 10), mod_inverse_ext(-3, 7), mod_inverse_ext(-1, 7)))"_s,
             u"5 700000005 7 -1 2 6\n"_s,
             u"5 700000005\n"_s},
            {u"조합 (nCr)"_s,
             {u"모듈러 거듭제곱"_s},
             uR"(precompute();
cout << nCr(5, 2) << ' ' << nCr(10, 0) << ' ' << nCr(10, 10) << ' ' << nCr(3, 5) << ' '
     << nCr(1000000, 500000) << '\n';)"_s,
             uR"(precompute();
printf("%lld %lld %lld %lld %lld\n", nCr(5, 2), nCr(10, 0), nCr(10, 10), nCr(3, 5),
       nCr(1000000, 500000));)"_s,
             uR"(precompute()
print(nCr(5, 2), nCr(10, 0), nCr(10, 10), nCr(3, 5), nCr(1000000, 500000)))"_s,
             u"10 1 1 0 996692777\n"_s},
            {u"팩토리얼"_s,
             {},
             uR"(vector<long long> f = computeFactorials(20);
cout << f[0] << ' ' << f[5] << ' ' << f[20] << ' ' << computeFactorials(0).size() << '\n';)"_s,
             uR"(computeFactorials(20);
printf("%lld %lld %lld %lld\n", fact[0], fact[5], fact[20], fact[1]);)"_s,
             uR"(f = compute_factorials(20)
print(f[0], f[5], f[20], len(compute_factorials(0))))"_s,
             u"1 120 146326063 1\n"_s},
        });
}

TEST(DataMathStringTemplates, StringAlgorithmsFindKnownMatches) {
    runChecks(
        AlgorithmCategory::string,
        {
            {u"KMP 문자열 매칭"_s,
             {},
             uR"(for (int v : getFailure("ABABCABAB")) cout << v << ' ';
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
            {u"라빈-카프"_s,
             {},
             uR"(for (int p : rabinKarp("abracadabra", "abra")) cout << p << ' ';
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
            {u"Z 알고리즘"_s,
             {},
             uR"(for (int v : zFunction("aabxaab")) cout << v << ' ';
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
             u"7 1 0 0 3 1 0 | 5 4 3 2 1 | 0\n"_s,
             u"7 1 0 0 3 1 0 | 5 4 3 2 1\n"_s},
            {u"매내처"_s,
             {},
             uR"(for (int v : manacher("aba")) cout << v << ' ';
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
