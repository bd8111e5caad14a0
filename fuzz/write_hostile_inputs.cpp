// Writes the hostile inputs into a folder, one sub-folder per fuzz target,
// for the replay tests: at full size they are too large to keep in the tree.

#include "hostile_inputs.h"

#include <QDir>
#include <QFile>
#include <cstdio>

namespace {

bool write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_hostile_inputs FOLDER\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    if (!root.mkpath(QStringLiteral("problem_page")) || !root.mkpath(QStringLiteral("save_file")))
        return 1;
    for (const HostileInput& input : hostilePages()) {
        if (!write(root.filePath(QStringLiteral("problem_page/") + input.name +
                                 QStringLiteral(".html")),
                   input.bytes))
            return 1;
    }
    return write(root.filePath(QStringLiteral("save_file/unmatched_tabs_10k.json")),
                 workspaceWithUnmatchedTabs(10000))
               ? 0
               : 1;
}
