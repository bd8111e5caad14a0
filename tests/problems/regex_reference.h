#pragma once

#include "base/baekjoon_problem.h"

#include <QString>

// The page conversion written the literal way: every pattern step a
// QRegularExpression with the pattern as designed, its matches replaced from
// the last to the first, and the entity and tag tables replaced one entry
// after the other. The program's own conversion scans instead; the tests
// require the two to agree.
namespace regex_reference {

BaekjoonProblem parseProblemPage(const QString& html, const QString& number);
QString cleanHTML(const QString& html);
QString convertLatex(const QString& text);
QString convertTables(const QString& text);

} // namespace regex_reference
