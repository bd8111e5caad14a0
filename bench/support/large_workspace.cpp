#include "large_workspace.h"

#include "library/starter_code.h"

#include <QDir>
#include <QFile>

namespace {

QString codeOfSize(qsizetype bytes, int seed) {
    QString text = QStringLiteral("#include <bits/stdc++.h>\nusing namespace std;\n\n");
    for (int i = 0; text.size() < bytes; ++i)
        text += QStringLiteral("    long long v%1 = a[%2] * %3 + b[%1]; // 누적 %2\n")
                    .arg(i)
                    .arg(seed)
                    .arg(i % 97);
    text.truncate(bytes);
    return text;
}

} // namespace

WorkspaceSnapshot largeWorkspace(int openTabs) {
    WorkspaceSnapshot snapshot;
    for (int f = 0; f < 50; ++f)
        snapshot.folders.append(FolderItem::make(QStringLiteral("폴더 %1").arg(f)));
    for (int i = 0; i < 1000; ++i) {
        snapshot.files.append(FileItem::make(QStringLiteral("solution_%1.cpp").arg(i),
                                             ProgrammingLanguage::cpp, codeOfSize(16 * 1024, i),
                                             snapshot.folders[i % 50].id));
    }
    for (int i = 0; i < openTabs; ++i)
        snapshot.openTabIds.append(snapshot.files[i * 97].id);
    if (!snapshot.openTabIds.isEmpty())
        snapshot.selectedFileId = snapshot.openTabIds.first();
    for (int i = 0; i < 200; ++i) {
        TestCase testCase;
        testCase.input = QStringLiteral("%1 %2\n").arg(i).arg(i * 2);
        testCase.expectedOutput = QString::number(i * 3);
        snapshot.testCases.append(testCase);
    }
    return snapshot;
}

void addLongFile(WorkspaceSnapshot& snapshot, const QString& name, int lines) {
    FileItem file = FileItem::make(name, ProgrammingLanguage::cpp,
                                   corvanta::builtInStarterCode(ProgrammingLanguage::cpp));
    for (int i = 0; i < lines; ++i)
        file.content +=
            QStringLiteral("    sum += values[%1] * %2; // line %1\n").arg(i).arg(i % 13);
    snapshot.files.append(file);
    snapshot.openTabIds.append(file.id);
    snapshot.selectedFileId = file.id;
}

bool writeSaveFile(const QString& dataFolder, const QByteArray& bytes) {
    QDir().mkpath(dataFolder);
    QFile file(dataFolder + QStringLiteral("/appdata.json"));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

void usePrivateHome(const QString& root) {
    const QByteArray path = root.toUtf8();
    qputenv("HOME", path);
    qputenv("XDG_DATA_HOME", path + "/.local/share");
    qputenv("XDG_CONFIG_HOME", path + "/.config");
    qputenv("XDG_CACHE_HOME", path + "/.cache");
}
