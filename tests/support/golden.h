#pragma once

#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

// Compares two texts whole; a failure names the first differing line, which
// a plain comparison of a long text does not.
::testing::AssertionResult sameLines(const QString& actual, const QString& expected);

// The text of the golden file at `goldenPath` compared with `actual` as
// sameLines does; a missing file fails.
::testing::AssertionResult matchesGolden(const QString& actual, const QString& goldenPath);

// Runs `corvanta-cli VERB...` and compares what it prints, whole, with the
// golden file at `goldenPath`; a failure names the first differing line.
// tests/regenerate_golden_tables.sh rewrites the golden files from the current
// build, to be read in the diff and committed after a deliberate change.
void expectCliMatchesGolden(const QStringList& arguments, const QString& goldenPath);
