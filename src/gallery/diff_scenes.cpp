#include "gallery/scene.h"

#include "editor/code_text_editor.h"
#include "editor/syntax_text_view.h"
#include "runner/compiler_messages.h"
#include "ui/main_window.h"
#include "ui/testpanel/diff_view.h"
#include "ui/window_context.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// The diff as the larger view shows it: in a window over the main window.
DiffView& diffWindow(SceneContext& context) {
    auto* window = new QDialog(&context.window);
    window->setWindowModality(Qt::WindowModal);
    window->setWindowTitle(u"기대 출력과 실제 출력"_s);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* view = new DiffView(window);
    layout->addWidget(view);
    window->resize(980, 460);
    window->show();
    return *view;
}

// A shortest-path answer that goes wrong in two places and stops a line early.
void wrongAnswer(SceneContext& context) {
    QString expected;
    QString actual;
    for (int i = 1; i <= 40; ++i) {
        const int distance = i * 7 % 23;
        expected += u"%1 %2\n"_s.arg(i).arg(distance);
        if (i == 40)
            break;
        actual += u"%1 %2\n"_s.arg(i).arg(i == 3 || i == 31 ? distance - 1 : distance);
    }
    diffWindow(context).setOutputs(expected, actual, u"공백 무시"_s);
}

void spacingOnly(SceneContext& context) {
    DiffView& view = diffWindow(context);
    view.setOutputs(u"3\n1 2 3\n"_s, u"3 \r\n1 2 3\r\n"_s, u"정확히 일치"_s);
    view.findChild<QCheckBox*>()->setChecked(true);
}

// A C++ file with two errors and a warning, as g++ reports them.
void editorWithErrors(SceneContext& context) {
    const QString source = u"#include <bits/stdc++.h>\n"
                           "using namespace std;\n"
                           "\n"
                           "int main() {\n"
                           "    int n;\n"
                           "    cin >> n;\n"
                           "    vector<int> dist(n, INF);\n"
                           "    int unused;\n"
                           "    cout << dist[0] << '\\n'\n"
                           "}\n"_s;
    const QString messages =
        u"solution.cpp: In function ‘int main()’:\n"
        "solution.cpp:7:25: error: ‘INF’ was not declared in this scope\n"
        "    7 |     vector<int> dist(n, INF);\n"
        "      |                         ^~~\n"
        "solution.cpp:9:29: error: expected ‘;’ before ‘}’ token\n"
        "    9 |     cout << dist[0] << '\\n'\n"
        "      |                             ^\n"
        "      |                             ;\n"
        "   10 | }\n"
        "      | ~                            \n"
        "solution.cpp:8:9: warning: unused variable ‘unused’ [-Wunused-variable]\n"
        "    8 |     int unused;\n"
        "      |         ^~~~~~\n"_s;
    context.owners.workspace.createFile(u"solution.cpp"_s, ProgrammingLanguage::cpp);
    context.owners.workspace.openFile(context.owners.workspace.files().last().id);
    QApplication::processEvents();
    // Typed in, as a person has it: the pane passes the text on to the workspace.
    auto* editor = context.window.findChild<CodeTextEditor*>();
    editor->textView()->setPlainText(source);
    editor->setDiagnostics(parseCompilerMessages(messages, {u"solution.cpp"_s, source}));
    editor->goToNextDiagnostic();
}

} // namespace

QList<Scene> diffScenes() {
    return {
        {u"diff-view.png"_s, wrongAnswer},
        {u"diff-view-whitespace.png"_s, spacingOnly},
        {u"editor-diagnostics.png"_s, editorWithErrors},
    };
}
