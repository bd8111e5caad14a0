#pragma once

#include "base/programming_language.h"
#include "problems/received_problem.h"

#include <QSet>
#include <QString>
#include <optional>

// Names of the files and folders made for received problems. A name keeps
// letters of every script (Korean among them), digits, '_' and '-'; every
// other run of characters becomes one '_'. Names are at most
// `maximumNameLength` characters before the extension.

inline constexpr int maximumNameLength = 40;

// The number of a problem page of the Baekjoon judge ("https://www.acmicpc.net/problem/1000").
std::optional<QString> baekjoonProblemNumber(const QString& url);

// "1000.cpp" for a Baekjoon problem, else a name made from the problem's name
// ("G. Castle Defense" gives "G_Castle_Defense.cpp"), "problem" when nothing
// of it is left.
QString problemFileName(const ReceivedProblem& problem, ProgrammingLanguage language);

// A contest's folder, named after the category of its group ("Codeforces -
// Round 1" gives "Round_1"), "contest" when nothing of it is left.
QString contestFolderName(const QString& group);

// `wanted` when no name in `taken` is equal to it, else the first free of
// "name_1.ext", "name_2.ext", ...: an existing file is never replaced.
QString freeName(const QString& wanted, const QSet<QString>& taken);
