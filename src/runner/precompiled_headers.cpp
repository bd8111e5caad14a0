#include "runner/precompiled_headers.h"

#include "runner/compile_cache.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUuid>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

using namespace Qt::StringLiterals;

namespace {

const QString headerName = u"prefix.h"_s;
// Folders of a build in progress, and of entries on their way out.
const QString stagingPrefix = u"build-"_s;
const QString trashPrefix = u"trash-"_s;

// The build must outlive the process that asked for it (the command-line
// tool exits long before a large header is compiled), so a detached shell
// runs it: compile at a lower priority, rename into place, then trim the
// cache to the newest entries within both bounds. It holds the build lock on
// descriptor 3 until it ends, killed or not.
const char buildScript[] = R"(staging=$1 entry=$2 folder=$3 capacity=$4 budget=$5
shift 5
(
  if nice -n 10 "$@" && mv -T -- "$staging" "$entry"; then
    kept=0 total=0
    for name in $(ls -t -- "$folder"); do
      case $name in build-*|trash-*) continue ;; esac
      [ -d "$folder/$name" ] || continue
      kept=$((kept + 1))
      total=$((total + $(du -sb -- "$folder/$name" | cut -f1)))
      if [ "$kept" -gt "$capacity" ] || [ "$total" -gt "$budget" ]; then
        rm -rf -- "$folder/$name"
      fi
    done
  fi
  rm -rf -- "$staging"
) &
)";

enum class LineKind { blank, include, other };

// The line's code outside comments; inBlock carries an open /* */ across lines.
QString withoutComments(QStringView line, bool& inBlock) {
    QString code;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QStringView rest = line.mid(i);
        if (inBlock) {
            if (rest.startsWith(u"*/")) {
                inBlock = false;
                ++i;
            }
        } else if (rest.startsWith(u"/*")) {
            inBlock = true;
            ++i;
        } else if (rest.startsWith(u"//")) {
            break;
        } else {
            code.append(line[i]);
        }
    }
    return code;
}

QString includedFile(const QString& code, const QStringList& localFiles) {
    static const QRegularExpression include(uR"re(^#\s*include\s*(?:<([^<>]+)>|"([^"]+)")$)re"_s);
    const QRegularExpressionMatch match = include.match(code);
    if (!match.hasMatch())
        return {};
    if (match.hasCaptured(1))
        return match.captured(1);
    const QString name = match.captured(2);
    if (QDir::isAbsolutePath(name) || name.split(u'/').contains(u".."_s) ||
        localFiles.contains(name.section(u'/', 0, 0)))
        return {};
    return name;
}

QStringList headerCommand(const QString& compiler, const QStringList& flags,
                          const QString& folder) {
    return QStringList{compiler} + flags +
           QStringList{u"-x"_s, u"c++-header"_s, folder + u'/' + headerName, u"-o"_s,
                       folder + u'/' + headerName + u".gch"_s};
}

void removeFolder(const QString& path) {
    QDir(path).removeRecursively();
}

// The build lock, taken without waiting; -1 when another holds it.
int tryLock(const QString& folder, int openFlags) {
    const int fd =
        ::open(QFile::encodeName(folder + u"/.lock"_s).constData(), openFlags | O_CLOEXEC, 0600);
    if (fd < 0)
        return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

QString includePrefixHeader(const QString& source, const QStringList& localFiles) {
    const QStringList lines = source.split(u'\n');
    QString header;
    bool inBlock = false;
    qsizetype index = 0;
    for (; index < lines.size(); ++index) {
        QStringView line = lines[index];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.endsWith(u'\\'))
            break;
        const QString code = withoutComments(line, inBlock).trimmed();
        if (code.isEmpty())
            continue;
        const QString file = includedFile(code, localFiles);
        if (file.isEmpty())
            break;
        header += u"#include <"_s + file + u">\n"_s;
    }
    // An include after the opening block may see a macro defined before it.
    static const QRegularExpression laterInclude(uR"(^\s*#\s*include)"_s,
                                                 QRegularExpression::MultilineOption);
    if (index < lines.size() && laterInclude.match(lines.mid(index).join(u'\n')).hasMatch())
        return {};
    return header;
}

PrecompiledHeaders::PrecompiledHeaders(const QString& folder) {
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return;
    if (!QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        return;
    m_folder = folder;
}

PrecompiledHeaders PrecompiledHeaders::standard() {
    const QString location = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (location.isEmpty() || qgetenv("CORVANTA_PCH") == "off")
        return PrecompiledHeaders();
    return PrecompiledHeaders(location + u"/pch"_s);
}

std::optional<PrecompiledHeaders::Header> PrecompiledHeaders::find(const QString& source,
                                                                   const QStringList& localFiles,
                                                                   const QString& compilerName,
                                                                   const QStringList& flags) const {
    if (!isEnabled())
        return std::nullopt;
    const QString text = includePrefixHeader(source, localFiles);
    if (text.isEmpty())
        return std::nullopt;
    const QString key =
        CompileCache::key(text, headerCommand(compilerName, flags, u"{entry}"_s), compilerName);
    if (key.isEmpty())
        return std::nullopt;
    const QString entry = m_folder + u'/' + key;
    const QString header = entry + u'/' + headerName;
    if (QFileInfo::exists(header + u".gch"_s)) {
        // Entries age by their folder's modification time.
        ::utimensat(AT_FDCWD, QFile::encodeName(entry).constData(), nullptr, 0);
        return Header{entry, header};
    }
    startBuild(key, text, QStandardPaths::findExecutable(compilerName), flags);
    return std::nullopt;
}

void PrecompiledHeaders::discard(const Header& header) const {
    const QString doomed =
        m_folder + u'/' + trashPrefix + QUuid::createUuid().toString(QUuid::Id128);
    if (QDir().rename(header.folder, doomed))
        removeFolder(doomed);
}

bool PrecompiledHeaders::isBuilding() const {
    if (!isEnabled() || !QFileInfo::exists(m_folder + u"/.lock"_s))
        return false;
    const int fd = tryLock(m_folder, O_RDONLY);
    if (fd < 0)
        return true;
    ::close(fd);
    return false;
}

void PrecompiledHeaders::startBuild(const QString& key, const QString& headerText,
                                    const QString& compiler, const QStringList& flags) const {
    const int lock = tryLock(m_folder, O_RDWR | O_CREAT);
    if (lock < 0)
        return;
    const QString entry = m_folder + u'/' + key;
    const QString staging = m_folder + u'/' + stagingPrefix + key;
    // With the lock held no build runs, so what a build or a removal left is dead.
    const QStringList leftovers =
        QDir(m_folder).entryList({stagingPrefix + u'*', trashPrefix + u'*'}, QDir::Dirs);
    for (const QString& name : leftovers)
        removeFolder(m_folder + u'/' + name);
    QFile header(staging + u'/' + headerName);
    if (QFileInfo::exists(entry) || !QDir().mkpath(staging) || !header.open(QIODevice::WriteOnly) ||
        header.write(headerText.toUtf8()) < 0 || !header.flush()) {
        ::close(lock);
        return;
    }
    header.close();

    std::vector<QByteArray> arguments{"sh", "-c", buildScript, "sh"};
    for (const QString& argument : QStringList{staging, entry, m_folder, QString::number(capacity),
                                               QString::number(byteBudget)} +
                                       headerCommand(compiler, flags, staging))
        arguments.push_back(QFile::encodeName(argument));
    std::vector<char*> argv;
    for (QByteArray& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    posix_spawn_file_actions_init(&actions);
    posix_spawnattr_init(&attributes);
    for (int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO})
        posix_spawn_file_actions_addopen(&actions, fd, "/dev/null", O_RDWR, 0);
    posix_spawn_file_actions_adddup2(&actions, lock, 3);
    // A session of its own: no terminal's Ctrl+C or hang-up reaches it.
    sigset_t noSignals;
    sigset_t allSignals;
    sigemptyset(&noSignals);
    sigfillset(&allSignals);
    posix_spawnattr_setflags(&attributes,
                             POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    posix_spawnattr_setsigmask(&attributes, &noSignals);
    posix_spawnattr_setsigdefault(&attributes, &allSignals);
    pid_t pid = 0;
    if (::posix_spawn(&pid, "/bin/sh", &actions, &attributes, argv.data(), environ) == 0) {
        // The shell returns at once, leaving the build to its background child.
        while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
        }
    } else {
        removeFolder(staging);
    }
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    ::close(lock);
}
