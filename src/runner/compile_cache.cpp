#include "runner/compile_cache.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUuid>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

// Part of every key, so a change of what an entry holds retires old entries.
constexpr QByteArrayView keyFormat = "corvanta-compile-1";
// Folders being written or removed; one left behind by a crash goes after a day.
const QString stagingPrefix = QStringLiteral("tmp-");
constexpr qint64 stagingLifetimeSeconds = 24 * 3600;

bool copyInto(const QString& from, const QString& to) {
    QDir().mkpath(QFileInfo(to).path());
    QFile::remove(to);
    return QFile::copy(from, to);
}

} // namespace

CompileCache::CompileCache(const QString& folder) {
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return;
    if (!QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        return;
    m_folder = folder;
}

CompileCache CompileCache::standard() {
    const QString location = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (location.isEmpty())
        return CompileCache();
    return CompileCache(location + QStringLiteral("/programs"));
}

QString CompileCache::key(const QString& source, const QStringList& commandLine,
                          const QString& compilerName) {
    const QString resolved = QStandardPaths::findExecutable(compilerName);
    if (resolved.isEmpty())
        return {};
    // The name usually goes through links (g++ -> g++-12): the file at the
    // end is what an upgrade replaces.
    const QFileInfo binary(QFileInfo(resolved).canonicalFilePath());

    QCryptographicHash hash(QCryptographicHash::Sha256);
    const auto add = [&hash](QByteArrayView part) {
        hash.addData(QByteArray::number(part.size()));
        hash.addData(":");
        hash.addData(part);
    };
    add(keyFormat);
    add(resolved.toUtf8());
    add(binary.filePath().toUtf8());
    add(QByteArray::number(binary.size()));
    add(QByteArray::number(binary.lastModified().toMSecsSinceEpoch()));
    add(QByteArray::number(commandLine.size()));
    for (const QString& argument : commandLine)
        add(argument.toUtf8());
    add(source.toUtf8());
    return QString::fromLatin1(hash.result().toHex().left(32));
}

bool CompileCache::restore(const QString& key, const QString& targetFolder) const {
    if (!isEnabled() || key.isEmpty())
        return false;
    const QString entry = m_folder + u'/' + key;
    const QDir entryDir(entry);
    bool copied = false;
    QDirIterator files(entry, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        if (!copyInto(path, targetFolder + u'/' + entryDir.relativeFilePath(path)))
            return false;
        copied = true;
    }
    if (copied)
        ::utimensat(AT_FDCWD, QFile::encodeName(entry).constData(), nullptr, 0);
    return copied;
}

void CompileCache::store(const QString& key, const QString& sourceFolder,
                         const QStringList& files) const {
    if (!isEnabled() || key.isEmpty() || files.isEmpty())
        return;
    QTemporaryDir staging(m_folder + u'/' + stagingPrefix + QStringLiteral("XXXXXX"));
    if (!staging.isValid())
        return;
    for (const QString& file : files) {
        if (!copyInto(sourceFolder + u'/' + file, staging.path() + u'/' + file))
            return;
    }
    // Fails when another process stored the same key first; its entry is as good.
    if (QDir().rename(staging.path(), m_folder + u'/' + key)) {
        staging.setAutoRemove(false);
        evict();
    }
}

void CompileCache::evict() const {
    const QDateTime staleBefore = QDateTime::currentDateTime().addSecs(-stagingLifetimeSeconds);
    const QFileInfoList entries =
        QDir(m_folder).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Time);
    int kept = 0;
    for (const QFileInfo& entry : entries) {
        if (entry.fileName().startsWith(stagingPrefix)) {
            if (entry.lastModified() < staleBefore)
                QDir(entry.filePath()).removeRecursively();
            continue;
        }
        if (++kept <= capacity)
            continue;
        // Renamed away first, so a reader sees the whole entry or none of it.
        const QString doomed =
            m_folder + u'/' + stagingPrefix + QUuid::createUuid().toString(QUuid::WithoutBraces);
        if (QDir().rename(entry.filePath(), doomed))
            QDir(doomed).removeRecursively();
    }
}
