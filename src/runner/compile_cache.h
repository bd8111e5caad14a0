#pragma once

#include <QString>
#include <QStringList>

// Compiled programs kept across runs and processes, one folder per key in a
// folder of mode 0700 under the user's cache location; the most recently used
// `capacity` entries survive. An entry appears by renaming a complete folder
// into place, so a half-written one is never seen; an entry that vanishes while
// being read is a miss. A cache made with an empty folder keeps nothing.
class CompileCache {
public:
    static constexpr int capacity = 32;

    explicit CompileCache(const QString& folder = {});
    // The application's cache location; keeps nothing when there is none.
    static CompileCache standard();

    // The key of one compile: the source text, the command line (with the
    // working folder left out, so it is the same for every run) and the
    // compiler's identity (the path the search path resolves its name to,
    // size and modification time). Empty when the compiler is not found.
    static QString key(const QString& source, const QStringList& commandLine,
                       const QString& compilerName);

    bool isEnabled() const { return !m_folder.isEmpty(); }
    QString folder() const { return m_folder; }

    // Copies the entry's files into targetFolder; false on a miss.
    bool restore(const QString& key, const QString& targetFolder) const;
    // Keeps the given files (relative to sourceFolder) under the key.
    void store(const QString& key, const QString& sourceFolder, const QStringList& files) const;

private:
    void evict() const;

    QString m_folder;
};
