#pragma once

#include "base/programming_language.h"
#include "library/algorithm_templates.h"

#include <QString>

namespace corvanta {

// What inserting a library template adds to a file: a comment header in the
// file's comment style, then the code variant for its language. Java and C#
// get the C++ variant; Text gets neither.

QString templateHeader(ProgrammingLanguage language, const AlgorithmTemplate& algorithm);
QString templateCode(ProgrammingLanguage language, const AlgorithmTemplate& algorithm);

} // namespace corvanta
