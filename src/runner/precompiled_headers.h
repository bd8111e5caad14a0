#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The text of a header that includes what a C++ source's opening include
// lines include, in their order; empty when the source gets no precompiled
// header. The opening lines may hold only includes, blank lines and comments;
// anything else before an include (a #define, #pragma, #if, code) means no
// header, since it could change what the includes declare. A quoted include
// is taken as the system header of that name unless the source's own folder
// holds a file of that name (localFiles): from there it would find that file.
QString includePrefixHeader(const QString& source, const QStringList& localFiles = {});

// C++ include prefixes compiled once into precompiled headers, kept across
// runs and processes under the user's cache location, one folder per key (the
// prefix text, the compiler's identity and its flags): `prefix.h` and
// `prefix.h.gch` beside it. The first source with a new prefix starts a build
// in the background at a lower priority, which may outlive the process that
// asked; one build at a time runs for all processes, under a lock. An entry
// appears by renaming a complete folder into place; after each build the most
// recently used entries that fit `capacity` and `byteBudget` stay. A cache
// made with an empty folder keeps and builds nothing; so is the standard one
// when the environment sets CORVANTA_PCH=off.
class PrecompiledHeaders {
public:
    static constexpr int capacity = 4;
    static constexpr qint64 byteBudget = qint64(512) << 20;

    explicit PrecompiledHeaders(const QString& folder = {});
    static PrecompiledHeaders standard();

    bool isEnabled() const { return !m_folder.isEmpty(); }
    QString folder() const { return m_folder; }

    struct Header {
        QString folder; // the entry
        QString path;   // what `-include` takes; the compiler finds the .gch beside it
    };

    // The ready header of the source's prefix, marked as just used. When there
    // is none yet, a background build of it starts unless a build is running.
    std::optional<Header> find(const QString& source, const QStringList& localFiles,
                               const QString& compilerName, const QStringList& flags) const;
    // Drops an entry that did not serve; a later compile builds it again.
    void discard(const Header& header) const;
    // True while a build started by any process runs.
    bool isBuilding() const;

private:
    void startBuild(const QString& key, const QString& headerText, const QString& compiler,
                    const QStringList& flags) const;

    QString m_folder;
};
