// Typing in the whole window, and the sidebar's search, over a large
// workspace: 1,000 files of 16 KB in 50 folders, 10 open tabs, 200 test
// cases, and a selected 10,000-line C++ file, loaded from a save file in a
// private temporary home, the window shown offscreen at 1440 x 900.
//
// window_key_median_ms, window_key_p99_ms: 200 keys typed into the editor
// through real key events, each due 25 ms after the previous one was on
// screen; a key's time runs from the moment it is due to the end of the
// repaint it causes (the window is repainted at once when the events it
// posted painted nothing). The pending edits are written back the way the
// editor does it, on its own timer, while the keys go on.
// sidebar_filter_ms: the median time from a key in the sidebar's search
// field to the filtered list painted, typing "solution_77" and erasing it.
// sidebar_rebuilds_per_commit: how many sidebar rows, other than the typed
// file's own row, the model announced as changed, inserted, removed, moved
// or reset per write-back of the typed text; a reset counts every row.
// bare_key_median_ms, bare_key_p99_ms: the same keys into the bare editor
// holding the same text, the baseline the window is held to.
//
// Until the window has a sidebar of its own, the search field and the list
// are a QLineEdit driving a QTreeView over the workspace model, beside it.

#include "base/app_identity.h"
#include "editor/code_text_editor.h"
#include "editor/syntax_text_view.h"
#include "models/workspace_model.h"
#include "ui/main_window.h"
#include "workspace/app_state.h"
#include "workspace/commands.h"
#include "workspace/save_file.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int typedKeys = 200;
constexpr int keyIntervalMs = 25;

QElapsedTimer wallClock;

double nowMs() {
    return double(wallClock.nsecsElapsed()) / 1e6;
}

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

WorkspaceSnapshot largeWorkspace() {
    WorkspaceSnapshot snapshot;
    for (int f = 0; f < 50; ++f)
        snapshot.folders.append(FolderItem::make(QStringLiteral("폴더 %1").arg(f)));
    for (int i = 0; i < 1000; ++i) {
        FileItem file = FileItem::make(QStringLiteral("solution_%1.cpp").arg(i),
                                       ProgrammingLanguage::cpp, snapshot.folders[i % 50].id);
        file.content = codeOfSize(16 * 1024, i);
        snapshot.files.append(file);
    }
    for (int i = 0; i < 9; ++i)
        snapshot.openTabIds.append(snapshot.files[i * 97].id);
    for (int i = 0; i < 200; ++i) {
        TestCase testCase;
        testCase.input = QStringLiteral("%1 %2\n").arg(i).arg(i * 2);
        testCase.expectedOutput = QString::number(i * 3);
        snapshot.testCases.append(testCase);
    }
    FileItem big = FileItem::make(QStringLiteral("big.cpp"), ProgrammingLanguage::cpp);
    for (int i = 0; i < 10'000; ++i)
        big.content +=
            QStringLiteral("    sum += values[%1] * %2; // line %1\n").arg(i).arg(i % 13);
    snapshot.files.append(big);
    snapshot.openTabIds.append(big.id);
    snapshot.selectedFileId = big.id;
    return snapshot;
}

void writeSaveFile(const QByteArray& bytes) {
    const QString folder = appDataFolder();
    QDir().mkpath(folder);
    QFile file(folder + QStringLiteral("/appdata.json"));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("the save file could not be written");
}

class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// Waits on a timer while the time is far, then spins until it is reached.
void runUntil(double dueMs) {
    constexpr double spinMs = 2;
    if (const double far = dueMs - spinMs - nowMs(); far >= 1) {
        QEventLoop loop;
        QTimer::singleShot(int(far), Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
    }
    while (nowMs() < dueMs)
        QCoreApplication::processEvents();
}

// One key per keyIntervalMs into `target`; each time runs from the moment the
// key is due to the end of the paint of `painted` it causes (a paint forced
// at once when the key's events painted nothing).
std::vector<double> typeKeys(QWidget* target, QWidget* painted, const QList<int>& keys) {
    PaintCounter counter;
    painted->installEventFilter(&counter);
    std::vector<double> times;
    for (int key : keys) {
        const double due = nowMs() + keyIntervalMs;
        runUntil(due);
        const int paints = counter.paints;
        if (key == Qt::Key_Backspace || key == Qt::Key_Return)
            QTest::keyClick(target, Qt::Key(key));
        else
            QTest::keyClick(target, char(key));
        QCoreApplication::processEvents();
        if (counter.paints == paints)
            painted->repaint();
        times.push_back(nowMs() - due);
    }
    painted->removeEventFilter(&counter);
    return times;
}

void placeCaretMidway(SyntaxTextView* view) {
    QTextCursor cursor = view->textCursor();
    cursor.setPosition(view->document()->findBlockByNumber(view->blockCount() / 2).position());
    view->setTextCursor(cursor);
    view->centerCursor();
    QCoreApplication::processEvents();
}

double percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    const auto rank = size_t(std::ceil(fraction * double(values.size())));
    return values[std::clamp<size_t>(rank, 1, values.size()) - 1];
}

QList<int> keysOf(const QString& script, int count) {
    QList<int> keys;
    for (int i = 0; i < count; ++i) {
        const QChar c = script.at(i % script.size());
        keys.append(c == u'\n' ? int(Qt::Key_Return) : int(c.toLatin1()));
    }
    return keys;
}

// Rows a model announces as changed, beyond those of one file.
class RowChangeCounter : public QObject {
public:
    RowChangeCounter(const QAbstractItemModel& model, const QModelIndex& ownRow)
        : m_ownRow(ownRow) {
        const auto span = [this](const QModelIndex& parent, int first, int last) {
            for (int row = first; row <= last; ++row)
                count(m_model->index(row, 0, parent));
        };
        m_model = &model;
        connect(&model, &QAbstractItemModel::dataChanged, this,
                [this, span](const QModelIndex& from, const QModelIndex& to) {
                    span(from.parent(), from.row(), to.row());
                });
        connect(&model, &QAbstractItemModel::rowsInserted, this, span);
        connect(&model, &QAbstractItemModel::rowsAboutToBeRemoved, this, span);
        connect(&model, &QAbstractItemModel::rowsMoved, this,
                [this, span](const QModelIndex& parent, int first, int last) {
                    span(parent, first, last);
                });
        connect(&model, &QAbstractItemModel::modelReset, this, [this] { rows += 1000; });
        connect(&model, &QAbstractItemModel::layoutChanged, this, [this] { rows += 1000; });
    }

    int rows = 0;

private:
    void count(const QModelIndex& index) {
        if (index != m_ownRow)
            ++rows;
    }

    const QAbstractItemModel* m_model = nullptr;
    QPersistentModelIndex m_ownRow;
};

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir home;
    const QByteArray root = home.path().toUtf8();
    qputenv("HOME", root);
    qputenv("XDG_DATA_HOME", root + "/.local/share");
    qputenv("XDG_CONFIG_HOME", root + "/.config");
    qputenv("XDG_CACHE_HOME", root + "/.cache");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setAppIdentity();
    wallClock.start();
    QTextStream err(stderr);

    writeSaveFile(encodeWorkspace(largeWorkspace()));
    AppState state;
    OnboardingSettings seen;
    seen.hasSeenOnboarding = true;
    state.settings().setOnboarding(seen);
    Commands commands;
    MainWindow window(state, commands);
    window.resize(1440, 900);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        qFatal("the window was never shown");

    QLineEdit* search = nullptr;
    for (auto* field : window.findChildren<QLineEdit*>()) {
        if (field->placeholderText() == QStringLiteral("파일 검색..."))
            search = field;
    }
    auto* tree = window.findChild<QTreeView*>();
    WorkspaceModel fallbackModel(state);
    QWidget fallback;
    if (!search || !tree) {
        err << "the window has no sidebar: measuring a QTreeView over the workspace model\n";
        auto* column = new QVBoxLayout(&fallback);
        search = new QLineEdit(&fallback);
        tree = new QTreeView(&fallback);
        tree->setHeaderHidden(true);
        tree->setUniformRowHeights(true);
        tree->setModel(&fallbackModel);
        column->addWidget(search);
        column->addWidget(tree);
        QObject::connect(search, &QLineEdit::textChanged, &fallbackModel,
                         &WorkspaceModel::setSearchText);
        fallback.resize(240, 800);
        fallback.show();
        if (!QTest::qWaitForWindowExposed(&fallback))
            qFatal("the sidebar stand-in was never shown");
    }
    tree->expandAll();

    auto* editor = window.findChild<CodeTextEditor*>();
    SyntaxTextView* view = editor->textView();
    const QString bigText = view->text();
    view->setFocus();
    placeCaretMidway(view);

    const QModelIndex bigRow = [&] {
        for (const QModelIndex& index :
             tree->model()->match(tree->model()->index(0, 0), Qt::DisplayRole,
                                  QStringLiteral("big.cpp"), 1, Qt::MatchRecursive))
            return index;
        return QModelIndex();
    }();
    RowChangeCounter changes(*tree->model(), bigRow);
    int commits = 0;
    QObject::connect(&state, &AppState::fileChanged, &state, [&](const QUuid& id) {
        if (id == state.selectedFileId())
            ++commits;
    });

    const QString script = QStringLiteral("for (int i = 0; i < n; ++i) {\n"
                                          "sum += values[i] * 2;\n"
                                          "}\n"
                                          "auto result = compute(first, last);\n");
    const std::vector<double> keyTimes =
        typeKeys(view, view->viewport(), keysOf(script, typedKeys));
    state.commitPendingEdits();
    QCoreApplication::processEvents();
    const int otherRows = changes.rows;
    err << "window: slowest key " << percentile(keyTimes, 1.0) << " ms; " << commits
        << " write-backs, " << otherRows << " other rows announced\n";

    search->setFocus();
    QList<int> searchKeys = keysOf(QStringLiteral("solution_77"), 11);
    for (int i = 0; i < 11; ++i)
        searchKeys.append(Qt::Key_Backspace);
    const std::vector<double> filterTimes = typeKeys(search, tree->viewport(), searchKeys);

    // The same keys into the bare editor, for a baseline on this machine.
    std::vector<double> bareTimes;
    {
        EditorConfig config;
        config.language = ProgrammingLanguage::cpp;
        CodeTextEditor bare(config, bigText);
        bare.resize(1000, 700);
        bare.show();
        if (!QTest::qWaitForWindowExposed(&bare))
            qFatal("the bare editor was never shown");
        SyntaxTextView* bareView = bare.textView();
        bareView->setFocus();
        placeCaretMidway(bareView);
        bareTimes = typeKeys(bareView, bareView->viewport(), keysOf(script, typedKeys));
    }

    QTextStream out(stdout);
    out << "window_key_median_ms " << percentile(keyTimes, 0.5) << '\n';
    out << "window_key_p99_ms " << percentile(keyTimes, 0.99) << '\n';
    out << "bare_key_median_ms " << percentile(bareTimes, 0.5) << '\n';
    out << "bare_key_p99_ms " << percentile(bareTimes, 0.99) << '\n';
    out << "sidebar_filter_ms " << percentile(filterTimes, 0.5) << '\n';
    out << "sidebar_rebuilds_per_commit " << (commits ? double(otherRows) / commits : 0) << '\n';
    return 0;
}
