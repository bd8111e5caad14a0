#pragma once

#include "runner/program_run.h"

#include <QString>
#include <QStringList>

// A class-data-sharing archive of the JDK classes that solutions commonly
// load (reading input, collections, text, big numbers), made once per JDK
// into the user's cache. A Java program started with it maps those classes
// ready-made instead of loading them, which shortens its start and changes
// nothing else: the same program, output and limits. A JVM that cannot use
// the archive (another JDK, a damaged file) silently does without. A sharing
// made with an empty folder, and the standard one when the environment sets
// CORVANTA_RESIDENT=off, has no archive.
class JavaClassSharing {
public:
    explicit JavaClassSharing(const QString& folder = {});
    static JavaClassSharing standard();

    bool isEnabled() const { return !m_folder.isEmpty(); }

    // The `java` options that use the archive for the java on the search
    // path; none while it has none.
    QStringList runFlags() const;
    // Makes the archive when it is missing: a run of the sample solution
    // lists its classes, a dump makes them an archive that is renamed into
    // place. Blocks for seconds; for a background thread.
    void build(const StopSignal& stop) const;

private:
    QString archivePath() const;

    QString m_folder;
};
