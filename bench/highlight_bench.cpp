// Times one full highlighting pass of each engine over real C++: the first
// 300 KB of the concatenated headers under /usr/include/c++/12/bits/ (about
// 10,000 lines) and all of them (about 110,000 lines). Each figure is the
// median of several passes after a warm-up pass.

#include "editor/highlighter.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>
#include <algorithm>
#include <vector>

namespace {

constexpr int passes = 7;
constexpr qsizetype smallCorpusBytes = 300 * 1024;

QByteArray concatenatedHeaders(const QString& folder) {
    QByteArray bytes;
    const QDir directory(folder);
    for (const QString& name :
         directory.entryList({QStringLiteral("*.h")}, QDir::Files, QDir::Name)) {
        QFile file(directory.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            bytes += file.readAll();
    }
    return bytes;
}

double medianMilliseconds(const QString& text, HighlightEngine engine) {
    highlight(text, ProgrammingLanguage::cpp, engine);
    std::vector<double> times;
    for (int i = 0; i < passes; ++i) {
        QElapsedTimer timer;
        timer.start();
        const RoleMap roles = highlight(text, ProgrammingLanguage::cpp, engine);
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (roles.size() != text.size())
            qFatal("highlighting lost part of the text");
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString folder =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/usr/include/c++/12/bits");
    const QByteArray all = concatenatedHeaders(folder);
    if (all.isEmpty()) {
        QTextStream(stderr) << "no headers found in " << folder << '\n';
        return 1;
    }
    const QString small = QString::fromUtf8(all.left(smallCorpusBytes));
    const QString large = QString::fromUtf8(all);

    QTextStream out(stdout);
    out << "highlight_lines_10k " << small.count(u'\n') << '\n';
    out << "highlight_lines_110k " << large.count(u'\n') << '\n';
    out << "highlight_fast_ms_10k " << medianMilliseconds(small, HighlightEngine::fast) << '\n';
    out << "highlight_reference_ms_10k " << medianMilliseconds(small, HighlightEngine::reference)
        << '\n';
    out << "highlight_fast_ms_110k " << medianMilliseconds(large, HighlightEngine::fast) << '\n';
    out << "highlight_reference_ms_110k " << medianMilliseconds(large, HighlightEngine::reference)
        << '\n';
    return 0;
}
