// Converts a generated problem page of about 1 MB, dense with TeX, tables,
// lists and entities, and prints the median time of parseProblemPage. The
// time is the converting thread's CPU time, so other work on the machine
// does not blur it.

#include "problems/page_conversion.h"

#include <QCoreApplication>
#include <QTextStream>
#include <algorithm>
#include <ctime>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype targetBytes = 1024 * 1024;
constexpr int runs = 7;

const QString statementBlock = uR"html(
<p>정수 $N$ ($1 \le N \le 10^{5}$)과 수열 $A_1, A_2, \ldots, A_N$이 주어진다. 각 $A_i$는 $-10^9 \leq A_i \leq 10^9$를 만족한다. &lt;쿼리&gt; &amp; 연산&nbsp;결과는 \(\frac{a+b}{2}\)이며 \(x^{2} + y_{i}\) &times; 3 &#8804; 5.</p>
<p>집합 $S = \{1, 2, 3\}$에서 $\sum_{i=1}^{n} a_i \bmod 10^9+7$을 구한다. 2<sup>31</sup>-1, P<sub>i</sub>, <strong>굵게</strong>, <code>code</code>, \left( x \right) &hellip;</p>
<table class="table table-bordered"><thead><tr><th>N</th><th>답</th><th>비고</th></tr></thead><tbody><tr><td>1</td><td>10</td><td>&lt;x&gt;</td></tr><tr><td>$2^{10}$</td><td>1024</td><td>&nbsp;</td></tr></tbody></table>
<ul><li>항목 $\alpha$</li><li>항목 $\beta$ &rarr; $\gamma$</li></ul>
)html"_s;

QString generatedPage() {
    QString body;
    while (body.toUtf8().size() < targetBytes)
        body += statementBlock.repeated(64);
    return uR"html(<div class="page-header"><h1><span id="problem_title">큰 문제</span></h1></div>
<div id="problem-body"><section id="description" class="problem-section">
<div id="problem_description" class="problem-text">)html"_s +
           body + uR"html(</div></section>
<section id="input"><div id="problem_input" class="problem-text"><p>첫째 줄에 $N$ ($1 \le N \le 100$)이 주어진다.</p></div></section>
<section id="output"><div id="problem_output" class="problem-text"><p>답을 출력한다.</p></div></section>
<pre class="sampledata" id="sample-input-1">3
1 2 3
</pre><pre class="sampledata" id="sample-output-1">6
</pre><pre class="sampledata" id="sample-input-2">1 &lt; 2
</pre><pre class="sampledata" id="sample-output-2">yes
</pre></div>)html"_s;
}

double threadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString page = generatedPage();
    std::vector<double> times;
    qsizetype checksum = 0;
    for (int i = 0; i < runs; ++i) {
        const double start = threadMilliseconds();
        const BaekjoonProblem problem = parseProblemPage(page, u"1000"_s);
        times.push_back(threadMilliseconds() - start);
        checksum += problem.description.size() + problem.testCases.size();
    }
    std::sort(times.begin(), times.end());
    QTextStream out(stdout);
    out << "problem_page_bytes " << page.toUtf8().size() << '\n';
    out << "problem_page_ms " << QString::number(times[times.size() / 2], 'f', 2) << '\n';
    return checksum > 0 ? 0 : 1;
}
