#include "library/snippets.h"

#include <algorithm>

namespace {

struct Row {
    const char16_t* trigger;
    const char16_t* code;
    const char16_t* description;
};

template <std::size_t N> QList<CodeSnippet> buildTable(const Row (&rows)[N], const QString& tag) {
    QList<CodeSnippet> table;
    table.reserve(N);
    for (const Row& row : rows) {
        table.append(CodeSnippet{QUuid::createUuid(), QString::fromUtf16(row.trigger),
                                 QString::fromUtf16(row.code), QString::fromUtf16(row.description),
                                 tag});
    }
    return table;
}

const Row cppRows[] = {
    {u"fori", u"for (int i = 0; i < n; i++) {\n\t\n}", u"for문 (i)"},
    {u"forj", u"for (int j = 0; j < m; j++) {\n\t\n}", u"for문 (j)"},
    {u"fork", u"for (int k = 0; k < n; k++) {\n\t\n}", u"for문 (k)"},
    {u"forr", u"for (int i = n - 1; i >= 0; i--) {\n\t\n}", u"역순 for문"},
    {u"forin", u"for (auto& x : arr) {\n\t\n}", u"range-based for"},
    {u"while", u"while (조건) {\n\t\n}", u"while문"},
    {u"cin", u"cin >> ", u"입력"},
    {u"cout", u"cout << ", u"출력"},
    {u"endl", u" << endl;", u"줄바꿈"},
    {u"fast", u"ios::sync_with_stdio(false);\ncin.tie(nullptr);", u"빠른 입출력"},
    {u"veci", u"vector<int> v(n);", u"int 벡터"},
    {u"vecii", u"vector<vector<int>> v(n, vector<int>(m));", u"2D int 벡터"},
    {u"vecb", u"vector<bool> visited(n, false);", u"방문 배열"},
    {u"pii", u"pair<int, int>", u"int 페어"},
    {u"pq", u"priority_queue<int> pq;", u"우선순위 큐 (최대)"},
    {u"pqmin", u"priority_queue<int, vector<int>, greater<int>> pq;", u"우선순위 큐 (최소)"},
    {u"mapi", u"map<int, int> m;", u"map"},
    {u"seti", u"set<int> s;", u"set"},
    {u"umapi", u"unordered_map<int, int> m;", u"unordered_map"},
    {u"mod", u"const int MOD = 1e9 + 7;", u"MOD 상수"},
    {u"inf", u"const int INF = 1e9;", u"INF 상수"},
    {u"linf", u"const long long LINF = 1e18;", u"long long INF"},
    {u"pb", u"push_back", u"push_back"},
    {u"mp", u"make_pair", u"make_pair"},
    {u"ff", u"first", u"first"},
    {u"ss", u"second", u"second"},
    {u"all", u"begin(), end()", u"begin~end"},
    {u"sz", u".size()", u"size()"},
    {u"sort", u"sort(v.begin(), v.end());", u"정렬"},
    {u"sortd", u"sort(v.begin(), v.end(), greater<int>());", u"내림차순 정렬"},
    {u"rev", u"reverse(v.begin(), v.end());", u"뒤집기"},
    {u"lb", u"lower_bound(v.begin(), v.end(), x) - v.begin()", u"lower_bound"},
    {u"ub", u"upper_bound(v.begin(), v.end(), x) - v.begin()", u"upper_bound"},
    {u"gcd", u"__gcd(a, b)", u"최대공약수"},
    {u"lcm", u"a / __gcd(a, b) * b", u"최소공배수"},
    // Two spaces between the operators: the caret's place for the expression.
    {u"dbg", u"cerr << \"DEBUG: \" <<  << endl;", u"디버그 출력"},
};

const Row pythonRows[] = {
    {u"fori", u"for i in range(n):\n\t", u"for문"},
    {u"forij", u"for i in range(n):\n\tfor j in range(m):\n\t\t", u"이중 for문"},
    {u"forin", u"for x in arr:\n\t", u"for-in문"},
    {u"forenum", u"for i, x in enumerate(arr):\n\t", u"enumerate"},
    {u"while", u"while 조건:\n\t", u"while문"},
    {u"inp", u"input()", u"입력"},
    {u"inpi", u"int(input())", u"정수 입력"},
    {u"inps", u"input().split()", u"공백 분리 입력"},
    {u"inpm", u"map(int, input().split())", u"여러 정수 입력"},
    {u"inpl", u"list(map(int, input().split()))", u"정수 리스트 입력"},
    {u"pr", u"print()", u"출력"},
    {u"sysread", u"sys.stdin.readline().strip()", u"빠른 입력"},
    {u"dq", u"from collections import deque\ndq = deque()", u"deque"},
    {u"cnt", u"from collections import Counter\ncnt = Counter(arr)", u"Counter"},
    {u"dd", u"from collections import defaultdict\ndd = defaultdict(int)", u"defaultdict"},
    {u"hq", u"import heapq", u"heapq import"},
    {u"mod", u"MOD = 10**9 + 7", u"MOD 상수"},
    {u"inf", u"INF = float('inf')", u"INF 상수"},
    {u"def", u"def func():\n\t", u"함수 정의"},
    {u"lam", u"lambda x: ", u"람다"},
    {u"lru", u"@lru_cache(maxsize=None)", u"메모이제이션"},
    {u"sort", u"arr.sort()", u"정렬"},
    {u"sortd", u"arr.sort(reverse=True)", u"내림차순 정렬"},
    {u"sortk", u"arr.sort(key=lambda x: x[0])", u"키 정렬"},
    {u"bs", u"from bisect import bisect_left, bisect_right", u"이분탐색 import"},
    {u"gcd", u"from math import gcd", u"gcd import"},
    {u"dbg", u"print(f\"DEBUG: {}\")", u"디버그 출력"},
};

const Row javaRows[] = {
    {u"fori", u"for (int i = 0; i < n; i++) {\n\t\n}", u"for문"},
    {u"forin", u"for (int x : arr) {\n\t\n}", u"for-each문"},
    {u"sout", u"System.out.println();", u"출력"},
    {u"br", u"BufferedReader br = new BufferedReader(new InputStreamReader(System.in));",
     u"BufferedReader"},
    {u"bw", u"BufferedWriter bw = new BufferedWriter(new OutputStreamWriter(System.out));",
     u"BufferedWriter"},
    {u"st", u"StringTokenizer st = new StringTokenizer(br.readLine());", u"StringTokenizer"},
    {u"mod", u"final int MOD = (int)1e9 + 7;", u"MOD 상수"},
    {u"inf", u"final int INF = (int)1e9;", u"INF 상수"},
};

} // namespace

const QList<CodeSnippet>& cppSnippets() {
    static const QList<CodeSnippet> table = buildTable(cppRows, QStringLiteral("cpp"));
    return table;
}

const QList<CodeSnippet>& pythonSnippets() {
    static const QList<CodeSnippet> table = buildTable(pythonRows, QStringLiteral("python"));
    return table;
}

const QList<CodeSnippet>& javaSnippets() {
    static const QList<CodeSnippet> table = buildTable(javaRows, QStringLiteral("java"));
    return table;
}

const QList<CodeSnippet>& snippets(ProgrammingLanguage language) {
    switch (language) {
    case ProgrammingLanguage::c:
    case ProgrammingLanguage::cpp:
    case ProgrammingLanguage::csharp:
        return cppSnippets();
    case ProgrammingLanguage::python:
        return pythonSnippets();
    case ProgrammingLanguage::java:
        return javaSnippets();
    case ProgrammingLanguage::txt:
        break;
    }
    static const QList<CodeSnippet> none;
    return none;
}

std::optional<CodeSnippet> findSnippet(ProgrammingLanguage language, const QString& trigger) {
    const QList<CodeSnippet>& table = snippets(language);
    const auto found = std::find_if(table.begin(), table.end(), [&](const CodeSnippet& snippet) {
        return snippet.trigger == trigger;
    });
    if (found == table.end())
        return std::nullopt;
    return *found;
}
