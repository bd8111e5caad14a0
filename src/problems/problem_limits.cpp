#include "problems/problem_limits.h"

#include "problems/page_conversion.h"

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
