#include "problems/problem_naming.h"

#include <QRegularExpression>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

bool keeps(char32_t c) {
    return QChar::isLetterOrNumber(c) || QChar::category(c) == QChar::Mark_NonSpacing ||
           QChar::category(c) == QChar::Mark_SpacingCombining || c == U'_' || c == U'-';
}

bool isSeparator(QChar c) {
    return c == u'_' || c == u'-';
}

QString trimmedSeparators(QString text) {
    while (!text.isEmpty() && isSeparator(text.back()))
        text.chop(1);
    while (!text.isEmpty() && isSeparator(text.front()))
        text.remove(0, 1);
    return text;
}

// Counts characters, not UTF-16 units, so a letter outside the basic plane
// is never cut in half.
QString safeName(const QString& text, const QString& fallback) {
    const QString normalized = text.normalized(QString::NormalizationForm_C);
    QString name;
    int length = 0;
    bool gap = false;
    for (const char32_t c : normalized.toUcs4()) {
        if (length == maximumNameLength)
            break;
        if (!keeps(c)) {
            gap = true;
            continue;
        }
        if (gap && !name.isEmpty()) {
            name += u'_';
            ++length;
        }
        gap = false;
        if (length < maximumNameLength) {
            name += QString::fromUcs4(&c, 1);
            ++length;
        }
    }
    name = trimmedSeparators(name);
    return name.isEmpty() ? fallback : name;
}

} // namespace

std::optional<QString> baekjoonProblemNumber(const QString& url) {
    static const QRegularExpression path(u"^/problem/([1-9][0-9]{0,6})/?$"_s);
    const QUrl parsed(url);
    const QString host = parsed.host();
    if ((parsed.scheme() != u"https"_s && parsed.scheme() != u"http"_s) ||
        (host != u"www.acmicpc.net"_s && host != u"acmicpc.net"_s))
        return std::nullopt;
    const QRegularExpressionMatch match = path.match(parsed.path());
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1);
}

QString problemFileName(const ReceivedProblem& problem, ProgrammingLanguage language) {
    const auto number = baekjoonProblemNumber(problem.url);
    return (number ? *number : safeName(problem.name, u"problem"_s)) + u'.' +
           fileExtension(language);
}

QString contestFolderName(const QString& group) {
    const qsizetype judgeEnd = group.indexOf(u" - "_s);
    return safeName(judgeEnd < 0 ? group : group.sliced(judgeEnd + 3), u"contest"_s);
}

QString freeName(const QString& wanted, const QSet<QString>& taken) {
    if (!taken.contains(wanted))
        return wanted;
    const qsizetype dot = wanted.lastIndexOf(u'.');
    const QString base = dot > 0 ? wanted.first(dot) : wanted;
    const QString extension = dot > 0 ? wanted.sliced(dot) : QString();
    QString candidate;
    for (int n = 1; candidate.isEmpty() || taken.contains(candidate); ++n)
        candidate = base + u'_' + QString::number(n) + extension;
    return candidate;
}
