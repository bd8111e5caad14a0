#include "runner/run_report.h"

#include <algorithm>
#include <charconv>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

constexpr int cardLineLimit = 10;
// A compile error is shown once, so it may say more.
constexpr int failureLineLimit = 50;

bool isBlank(QChar c) {
    return c == u'\t' || c.category() == QChar::Separator_Space;
}

// Line breaks are not blanks: after the split, a form feed or U+2028 stays.
QStringView trimmedOfBlanks(QStringView line) {
    qsizetype begin = 0;
    qsizetype end = line.size();
    while (begin < end && isBlank(line[begin]))
        ++begin;
    while (end > begin && isBlank(line[end - 1]))
        --end;
    return line.sliced(begin, end - begin);
}

// "%.2f" whatever the user's locale. Not QString::number: it rounds exact
// halves up (0.125 gives "0.13", printf "0.12").
QString milliseconds(double value) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

// The lines of a text as a card shows them, cut after `limit`.
QString cardBody(const QString& text, int limit) {
    QString body;
    const QList<QStringView> lines = QStringView(text).split(u'\n');
    for (qsizetype i = 0; i < std::min<qsizetype>(lines.size(), limit); ++i)
        body += u"│ "_s + lines[i].toString() + u'\n';
    if (lines.size() > limit)
        body += u"│ ...("_s + QString::number(lines.size() - limit) + u"줄 더)\n"_s;
    return body;
}

QString cardTitle(const QString& title) {
    return u"┌─ "_s + title + u" ─┐\n"_s;
}

QString cardEnd() {
    return u"└"_s + QString(40, u'─') + u"┘\n\n"_s;
}

QString figures(const CaseResult& result) {
    QString text = milliseconds(result.wallMs) + u"ms"_s;
    // No figures of its own when the program was killed with its helper.
    if (result.peakMemoryKiB > 0)
        text += u" · CPU "_s + milliseconds(result.cpuMs) + u"ms · "_s +
                memoryLabel(result.peakMemoryKiB);
    return text;
}

} // namespace

QString normalizeOutput(const QString& text) {
    QString unified = text;
    unified.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
    QStringList lines;
    for (QStringView line : QStringView(unified).split(u'\n'))
        lines.append(trimmedOfBlanks(line).toString());
    // trimmed() drops QChar::isSpace: blanks and every kind of line break.
    return lines.join(u'\n').trimmed();
}

Verdict compareOutput(const QString& expectedOutput, const QString& actualOutput) {
    const QString expected = normalizeOutput(expectedOutput);
    if (expected.isEmpty())
        return {VerdictKind::noExpectedOutput};
    const bool same = normalizeOutput(actualOutput).normalized(QString::NormalizationForm_C) ==
                      expected.normalized(QString::NormalizationForm_C);
    return {same ? VerdictKind::accepted : VerdictKind::wrongAnswer};
}

QString verdictLabel(const Verdict& verdict) {
    switch (verdict.kind) {
    case VerdictKind::accepted:
        return u"맞았습니다"_s;
    case VerdictKind::wrongAnswer:
        return u"틀렸습니다"_s;
    case VerdictKind::timeLimit:
        return u"시간 초과"_s;
    case VerdictKind::memoryLimit:
        return u"메모리 초과"_s;
    case VerdictKind::runtimeError:
        if (verdict.signal != 0) {
            const char* name = sigabbrev_np(verdict.signal);
            return u"런타임 에러 ("_s +
                   (name ? u"SIG"_s + QString::fromLatin1(name)
                         : u"시그널 "_s + QString::number(verdict.signal)) +
                   u')';
        }
        return u"런타임 에러 (종료 코드 "_s + QString::number(verdict.exitCode) + u')';
    case VerdictKind::outputLimit:
        return u"출력 초과"_s;
    case VerdictKind::compileError:
        return u"컴파일 에러"_s;
    case VerdictKind::checkerFailure:
        return u"채점기 오류"_s;
    case VerdictKind::noExpectedOutput:
        return u"실행 완료 (예상 출력 없음)"_s;
    case VerdictKind::stopped:
        return u"실행 중지됨"_s;
    case VerdictKind::failedToStart:
        return u"실행 실패"_s;
    }
    return {};
}

QString verdictSymbol(VerdictKind kind) {
    switch (kind) {
    case VerdictKind::accepted:
    case VerdictKind::noExpectedOutput:
        return u"✅"_s;
    case VerdictKind::wrongAnswer:
    case VerdictKind::runtimeError:
    case VerdictKind::failedToStart:
        return u"❌"_s;
    case VerdictKind::timeLimit:
        return u"⏱️"_s;
    case VerdictKind::memoryLimit:
        return u"💾"_s;
    case VerdictKind::outputLimit:
        return u"⛔"_s;
    case VerdictKind::compileError:
        return u"🔴"_s;
    case VerdictKind::checkerFailure:
        return u"⚠️"_s;
    case VerdictKind::stopped:
        return u"⏹️"_s;
    }
    return {};
}

const QString& shownText(const CaseResult& result) {
    const bool aboutOutput =
        result.verdict.passes() || result.verdict.kind == VerdictKind::wrongAnswer;
    return aboutOutput ? result.output : result.message;
}

QString failureText(const CaseResult& result) {
    return verdictSymbol(result.verdict.kind) + u' ' + verdictLabel(result.verdict) + u":\n"_s +
           result.message;
}

QString memoryLabel(qint64 kib) {
    return QString::number(kib) + u"KB"_s;
}

QString runningMessage(const FileItem& file) {
    return u"🦦 "_s + file.name + u" 실행 중...\n\n"_s;
}

QString buildRunReport(const FileItem& file, QList<TestRunRecord> records,
                       const std::optional<CaseResult>& runFailure) {
    std::stable_sort(
        records.begin(), records.end(),
        [](const TestRunRecord& a, const TestRunRecord& b) { return a.index < b.index; });
    double total = 0;
    qsizetype passed = 0;
    for (const TestRunRecord& record : records) {
        total += record.result.wallMs;
        passed += record.result.verdict.passes() ? 1 : 0;
    }
    const bool allPassed = passed == records.size();

    QString report;
    report += u"╔"_s + QString(42, u'═') + u"╗\n"_s;
    report += u"║  🦦 "_s + file.name + u'\n';
    report += u"║  🦦 "_s + rawValue(file.language) + u" | ⏱️ 총 "_s +
              milliseconds(total) + u"ms (정확하지 않을 sudo..?)\n"_s;
    report += u"╚"_s + QString(42, u'═') + u"╝\n"_s;
    report += u'\n';

    if (runFailure) {
        report += cardTitle(verdictSymbol(runFailure->verdict.kind) + u' ' +
                            verdictLabel(runFailure->verdict));
        report += cardBody(runFailure->message, failureLineLimit) + cardEnd();
    } else {
        for (const TestRunRecord& record : records) {
            const CaseResult& result = record.result;
            report += cardTitle(u"테스트 #"_s + QString::number(record.index + 1) + u" ─ "_s +
                                verdictSymbol(result.verdict.kind) + u' ' +
                                verdictLabel(result.verdict) + u" ─ "_s + figures(result));
            report += cardBody(shownText(result), cardLineLimit) + cardEnd();
        }
    }

    const QString rule = QString(43, u'═') + u'\n';
    report += rule;
    report += (allPassed ? u"🦦🦦🎉 "_s : u"📊 "_s) + u"결과: "_s + QString::number(passed) +
              u'/' + QString::number(records.size()) + u" 통과"_s +
              (allPassed ? u" - 모든 테스트 통과! 이예이"_s : QString()) + u'\n';
    report += rule;
    return report;
}
