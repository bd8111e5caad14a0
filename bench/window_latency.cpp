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

#include "base/app_identity.h"
#include "editor/code_text_editor.h"
#include "editor/syntax_text_view.h"
#include "ui/main_window.h"
#include "ui/window_context.h"
#include "workspace/save_file.h"

#include "support/bench_stats.h"
#include "support/key_timing.h"
#include "support/large_workspace.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTreeView>
#include <vector>

namespace {

constexpr int typedKeys = 200;
constexpr int keyIntervalMs = 25;

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
    usePrivateHome(home.path());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setAppIdentity();
    QTextStream err(stderr);

    WorkspaceSnapshot large = largeWorkspace(9);
    addLongFile(large, QStringLiteral("big.cpp"), 10'000);
    if (!writeSaveFile(appDataFolder(), encodeWorkspace(large)))
        qFatal("the save file could not be written");
    WindowContext owners;
    OnboardingSettings seen;
    seen.hasSeenOnboarding = true;
    owners.settings.setOnboarding(seen);
    MainWindow window(owners);
    window.resize(1440, 900);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        qFatal("the window was never shown");

    auto* search = window.findChild<QLineEdit*>(QStringLiteral("sidebarSearch"));
    auto* tree = window.findChild<QTreeView*>();
    if (!search || !tree)
        qFatal("the window has no sidebar search and file list");
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
    QObject::connect(&owners.workspace, &Workspace::fileChanged, &owners.workspace,
                     [&](const QUuid& id) {
                         if (id == owners.workspace.selectedFileId())
                             ++commits;
                     });

    const QString script = QStringLiteral("for (int i = 0; i < n; ++i) {\n"
                                          "sum += values[i] * 2;\n"
                                          "}\n"
                                          "auto result = compute(first, last);\n");
    const std::vector<double> keyTimes = typeKeys(view, view->viewport(), view->viewport(),
                                                  keysOf(script, typedKeys), keyIntervalMs);
    owners.workspace.catchUpLiveText();
    QCoreApplication::processEvents();
    const int otherRows = changes.rows;
    err << "window: slowest key " << percentile(keyTimes, 1.0) << " ms; " << commits
        << " write-backs, " << otherRows << " other rows announced\n";

    search->setFocus();
    QList<int> searchKeys = keysOf(QStringLiteral("solution_77"), 11);
    for (int i = 0; i < 11; ++i)
        searchKeys.append(Qt::Key_Backspace);
    const std::vector<double> filterTimes =
        typeKeys(search, tree->viewport(), tree->viewport(), searchKeys, keyIntervalMs);

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
        bareTimes = typeKeys(bareView, bareView->viewport(), bareView->viewport(),
                             keysOf(script, typedKeys), keyIntervalMs);
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
