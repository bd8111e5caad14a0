#include "problems/problem_limits.h"

#include "problems/page_conversion.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

// The raw contents of every `tag` cell ("th" or "td") of `table`, in order.
// "<thead>" is not a "<th" cell: the name must end at ">", a blank or "/".
QStringList cellContents(QStringView table, QStringView tag) {
    const QString open = u'<' + tag.toString();
    const QString close = QStringLiteral("</") + tag.toString();
    QStringList cells;
    qsizetype at = table.indexOf(open, 0, Qt::CaseInsensitive);
    while (at >= 0) {
        const qsizetype after = at + open.size();
        const QChar next = after < table.size() ? table[after] : QChar();
        if (next != u'>' && next != u'/' && !next.isSpace()) {
            at = table.indexOf(open, after, Qt::CaseInsensitive);
            continue;
        }
        const qsizetype contentStart = table.indexOf(u'>', after);
        if (contentStart < 0)
            break;
        const qsizetype contentEnd = table.indexOf(close, contentStart, Qt::CaseInsensitive);
        if (contentEnd < 0)
            break;
        cells.append(table.sliced(contentStart + 1, contentEnd - contentStart - 1).toString());
        at = table.indexOf(open, contentEnd + close.size(), Qt::CaseInsensitive);
    }
    return cells;
}

QString cellText(const QString& cell) {
    return cleanHTML(cell).simplified();
}

} // namespace

ProblemLimits readProblemLimits(const QString& html) {
    const qsizetype tableStart = html.indexOf(QStringLiteral("id=\"problem-info\""));
    if (tableStart < 0)
        return {};
    qsizetype tableEnd = html.indexOf(QStringLiteral("</table>"), tableStart, Qt::CaseInsensitive);
    if (tableEnd < 0)
        tableEnd = html.size();
    const QStringView table = QStringView(html).sliced(tableStart, tableEnd - tableStart);

    const QStringList headings = cellContents(table, u"th");
    const QStringList values = cellContents(table, u"td");
    const auto under = [&](QStringView heading) -> std::optional<QString> {
        for (qsizetype i = 0; i < headings.size() && i < values.size(); ++i) {
            if (cellText(headings[i]) == heading)
                return cellText(values[i]);
        }
        return std::nullopt;
    };
    return {under(u"시간 제한"), under(u"메모리 제한")};
}

namespace {

std::optional<double> leadingNumber(const QString& text, const QString& unit) {
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*(\d{1,6}(?:\.\d{1,3})?)\s*(\S+))"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch() || match.captured(2) != unit)
        return std::nullopt;
    const double number = match.captured(1).toDouble();
    return number > 0 ? std::optional(number) : std::nullopt;
}

} // namespace

std::optional<int> timeLimitMilliseconds(const QString& text) {
    const std::optional<double> seconds = leadingNumber(text, QStringLiteral("초"));
    return seconds ? std::optional(int(*seconds * 1000 + 0.5)) : std::nullopt;
}

std::optional<int> memoryLimitMegabytes(const QString& text) {
    const std::optional<double> megabytes = leadingNumber(text, QStringLiteral("MB"));
    return megabytes ? std::optional(int(*megabytes)) : std::nullopt;
}
