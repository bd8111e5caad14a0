#pragma once

#include "base/programming_language.h"

#include <QStringList>
#include <optional>

// One function per verb of corvanta-cli. Each gets the arguments after the
// verb and returns the process exit status (2 for bad usage).

// The settings' largest memory limit, for --memory.
constexpr int largestMemoryMB = 1024 * 1024;

// Prints "corvanta-cli VERB: PROBLEM" and the verb's line of the usage table
// to standard error; returns 2.
int badUsage(const QString& verb, const QString& problem);

// The language NAME names on the command line: its display name ("C++") or
// its extension ("cpp"), in any letter case.
std::optional<ProgrammingLanguage> languageNamed(const QString& name);
QString languageNames();

// The language of a file from its extension, taking the other spellings
// compilers accept for C++ (.cc, .cxx, .c++).
std::optional<ProgrammingLanguage> languageOfFile(const QString& path);

// Prints the algorithm template library as one JSON array.
int runTemplates(const QStringList& arguments);

// Prints every setting's group, key, type, default and usable range as one
// JSON array.
int runSettings(const QStringList& arguments);

// Print the built-in themes' colours, the snippet tables and the starter texts
// of each language, each as one JSON array.
int runThemes(const QStringList& arguments);
int runSnippets(const QStringList& arguments);
int runStarters(const QStringList& arguments);

// Runs FILE against the cases of TESTDIR and prints the run report, or with
// --json the verdicts, times and peak memory: 0 when every case passes, 1
// when one fails.
int runRun(const QStringList& arguments);

// Prints the colour roles of FILE as "START LENGTH ROLE" lines, one per
// maximal run, in UTF-16 units of the file read as UTF-8.
int runHighlight(const QStringList& arguments);

// Prints problem NUMBER, fetched or converted from a saved page (--html), as
// one JSON object; on failure prints the error's description and returns 1.
int runProblem(const QStringList& arguments);

// Runs SOLUTION against BRUTE on inputs from GENERATOR until they differ or
// the budget ends: 0 when no difference was found, 1 with the smallest
// counterexample found saved as a case, 3 when a program did not compile,
// another program failed or the case could not be saved, 130 when interrupted.
int runStress(const QStringList& arguments);
