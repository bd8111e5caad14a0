#pragma once

#include "problems/baekjoon_problem.h"

#include <QChar>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// Turns the judge's problem page into a BaekjoonProblem and its statement
// HTML, with TeX-style mathematics, into plain text for a monospaced view.
// Every function is pure and safe on any thread. The steps run in a fixed
// order and the order is part of the result: tables are drawn before
// entities are decoded (a cell's width counts an entity as written), and
// only "&amp;" decodes into an entity that is decoded again. Every step runs
// in time linear in its text and never gives up half way.

// Characters without an entry map to themselves.
using CharacterMap = QHash<QChar, QChar>;

const CharacterMap& superscriptMap(); // 40 entries: digits, lower-case letters but q, + - = ( )
const CharacterMap& subscriptMap();   // 32 entries

// Never fails: what the page lacks stays at its default. The tier stays absent.
BaekjoonProblem parseProblemPage(const QString& html, const QString& number);

QString cleanHTML(const QString& html);
QString convertLatex(const QString& text);
QString convertTables(const QString& text);
// `tableHTML` is the inner HTML of one table; the result is the drawn table
// without a final line break, or empty text when no row has a cell. A
// drawing beyond tableDrawingBudget of the inner HTML's length is given up
// for one line per row, its cells joined by " | ", so that no table can grow
// a page without bound.
QString renderTable(const QString& tableHTML);
// Characters a table drawn from `sourceLength` characters of HTML may take:
// four times its source, and never more than a mebi-character.
qsizetype tableDrawingBudget(qsizetype sourceLength);
// The drawing of renderTable from the rows' cell texts (rows without cells
// already left out); empty text for no rows.
QString renderTableRows(const QList<QStringList>& rows, qsizetype budget);

// Removes spaces, tabs, carriage returns and line feeds from the end only.
QString trimTrailingWhitespace(const QString& text);
QString mapCharacters(const QString& text, const CharacterMap& table);

// The entities of a sample, decoded in one pass the way the judge feeds the
// text: the named entities cleanHTML knows and "&#N;" / "&#xH;" naming a
// Unicode scalar value. Anything else stays as written.
QString decodeSampleEntities(const QString& text);
