#include "gallery/scene.h"

#include "editor/code_text_editor.h"
#include "editor/syntax_text_view.h"
#include "runner/compiler_messages.h"
#include "ui/main_window.h"
#include "ui/testpanel/diff_view.h"
#include "ui/window_context.h"
#include "workspace/workspace.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>

using namespace Qt::StringLiterals;

namespace {

// A solution run for real on one case, and its failure opened in the
// larger window, as "크게 보기" on the case's card opens it.
DiffView& largeDiffAfterRun(SceneContext& context, const QString& program, const QString& expected,
                            const QString& comparison) {
    Workspace& workspace = context.owners.workspace;
    workspace.createFile(u"solution.py"_s, ProgrammingLanguage::python);
    workspace.setFileText(*workspace.selectedFileId(), program);
    TestCase onlyCase;
    onlyCase.expectedOutput = expected;
    workspace.cases().setTestCases({onlyCase});
    JudgeChoice judge;
    judge.comparison = comparison;
    workspace.cases().setJudgeChoice(judge);
    // A busy machine must not turn the picture's failure into a time-out.
    context.owners.settings.setExecution({.executionTimeout = 60});
    emit context.owners.commands.runCode();
    while (context.owners.runs.isRunning())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    QApplication::processEvents();
    for (QAbstractButton* button : context.window.findChildren<QAbstractButton*>()) {
        if (button->isVisible() && button->text() == u"크게 보기"_s)
            button->click();
    }
    return *context.window.findChild<QDialog*>(u"largeDiff"_s)->findChild<DiffView*>();
}

// A shortest-path answer that goes wrong in two places and stops a line early.
void wrongAnswer(SceneContext& context) {
    QString expected;
    for (int i = 1; i <= 40; ++i)
        expected += u"%1 %2\n"_s.arg(i).arg(i * 7 % 23);
    largeDiffAfterRun(context,
                      u"for i in range(1, 40):\n"
                      "    d = i * 7 % 23\n"
                      "    print(i, d - 1 if i in (3, 31) else d)\n"_s,
                      expected, u"tokens"_s);
}

void spacingOnly(SceneContext& context) {
    DiffView& view =
        largeDiffAfterRun(context, u"import sys\nsys.stdout.write('3 \\r\\n1 2 3\\r\\n')\n"_s,
                          u"3\n1 2 3\n"_s, u"exact"_s);
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
