#include "hostile_inputs.h"

#include <QUuid>

namespace {

QByteArray page(const QByteArray& statement) {
    return "<span id=\"problem_title\">t</span><div id=\"problem_description\">" + statement +
           "</div>";
}

// One cell of `wide` characters, then one-character rows filling the rest.
QByteArray amplifyingTable(qsizetype bytes) {
    const QByteArray row = "<tr><td>a</td></tr>";
    const qsizetype wide = bytes / 2;
    return page("<table><tr><td>" + QByteArray(wide, 'x') + "</td></tr>" +
                row.repeated((bytes - wide) / row.size()) + "</table>");
}

QByteArray sampleIds(int count) {
    QByteArray ids;
    for (int n = 1; n <= count; ++n)
        ids += "<pre id=\"sample-input-" + QByteArray::number(n) + "\">1</pre>";
    return page("x") + ids;
}

} // namespace

QList<HostileInput> hostilePages() {
    constexpr qsizetype kib = 1024;
    const qsizetype nested = 1000 * kib / 7;
    return {
        {QStringLiteral("fraction_openings"), page(QByteArray("\\frac{").repeated(160000) + "}")},
        {QStringLiteral("sample_ids"), sampleIds(16000)},
        {QStringLiteral("wide_table_760k"), amplifyingTable(760 * kib)},
        {QStringLiteral("wide_table_190k"), amplifyingTable(190 * kib)},
        {QStringLiteral("nested_sqrt"),
         page(QByteArray("\\sqrt{").repeated(nested) + "x" + QByteArray("}").repeated(nested))},
    };
}

QByteArray workspaceWithUnmatchedTabs(int files) {
    QByteArray entries;
    QByteArray tabs;
    for (int i = 0; i < files; ++i) {
        if (i > 0) {
            entries += ',';
            tabs += ',';
        }
        entries += R"({"content":"","createdAt":0,"id":")" +
                   QUuid::createUuid().toByteArray(QUuid::WithoutBraces).toUpper() +
                   R"(","language":"C++","modifiedAt":0,"name":"f.cpp"})";
        tabs += '"' + QUuid::createUuid().toByteArray(QUuid::WithoutBraces).toUpper() + '"';
    }
    return R"({"files":[)" + entries + R"(],"folders":[],"openTabIds":[)" + tabs +
           R"(],"testCases":[]})";
}
