#include "runner/run_report.h"

#include <algorithm>
#include <charconv>

using namespace Qt::StringLiterals;

namespace {

constexpr int cardLineLimit = 10;

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

bool isPassing(const RunResult& result, const QString& expectedOutput) {
    if (result.error)
        return false;
    const QString expected = normalizeOutput(expectedOutput);
    if (expected.isEmpty())
        return true;
    return normalizeOutput(result.output).normalized(QString::NormalizationForm_C) ==
           expected.normalized(QString::NormalizationForm_C);
}

QString runningMessage(const FileItem& file) {
    return u"🦦 "_s + file.name + u" 실행 중...\n\n"_s;
}

QString buildRunReport(const FileItem& file, QList<TestRunRecord> records) {
    std::stable_sort(
        records.begin(), records.end(),
        [](const TestRunRecord& a, const TestRunRecord& b) { return a.index < b.index; });
    double total = 0;
    qsizetype passed = 0;
    for (const TestRunRecord& record : records) {
        total += record.executionTime;
        passed += record.passed ? 1 : 0;
    }
    const bool allPassed = passed == records.size();

    QString report;
    report += u"╔"_s + QString(42, u'═') + u"╗\n"_s;
    report += u"║  🦦 "_s + file.name + u'\n';
    report += u"║  🦦 "_s + rawValue(file.language) + u" | ⏱️ 총 "_s +
              milliseconds(total) + u"ms (정확하지 않을 sudo..?)\n"_s;
    report += u"╚"_s + QString(42, u'═') + u"╝\n"_s;
    report += u'\n';

    for (const TestRunRecord& record : records) {
        report += u"┌─ 테스트 #"_s + QString::number(record.index + 1) + u" ─ "_s +
                  (record.passed ? u"✅ PASS"_s : u"❌ FAIL"_s) + u" ─ "_s +
                  milliseconds(record.executionTime) + u"ms ─┐\n"_s;
        const QList<QStringView> lines = QStringView(record.output).split(u'\n');
        for (qsizetype i = 0; i < std::min<qsizetype>(lines.size(), cardLineLimit); ++i)
            report += u"│ "_s + lines[i].toString() + u'\n';
        if (lines.size() > cardLineLimit)
            report += u"│ ...("_s + QString::number(lines.size() - cardLineLimit) + u"줄 더)\n"_s;
        report += u"└"_s + QString(40, u'─') + u"┘\n\n"_s;
    }

    const QString rule = QString(43, u'═') + u'\n';
    report += rule;
    report += (allPassed ? u"🦦🦦🎉 "_s : u"📊 "_s) + u"결과: "_s + QString::number(passed) +
              u'/' + QString::number(records.size()) + u" 통과"_s +
              (allPassed ? u" - 모든 테스트 통과! 이예이"_s : QString()) + u'\n';
    report += rule;
    return report;
}
