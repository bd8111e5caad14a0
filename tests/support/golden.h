#pragma once

#include <QString>
#include <QStringList>

// Runs `corvanta-cli VERB...` and compares what it prints, whole, with the
// golden file at `goldenPath`; a failure names the first differing line.
// tests/regenerate_golden_tables.sh rewrites the golden files from the current
// build, to be read in the diff and committed after a deliberate change.
void expectCliMatchesGolden(const QStringList& arguments, const QString& goldenPath);
