#pragma once

#include "base/compiler_message.h"
#include "base/programming_language.h"
#include "workspace/live_text.h"

#include <QTimer>
#include <QUuid>
#include <QWidget>
#include <optional>

class Commands;
class SettingsStore;
class ThemeSelection;
class Workspace;
class CodeTextEditor;
class QLabel;
class QStackedLayout;
class WelcomeView;
struct EditorConfig;

// The centre of the window: header, editor and status bar for the selected
// file, or the welcome screen when none is selected. The pane is the live
// source of the shown file's text: a keystroke only tells the workspace that
// the text changed, so typing in a large file costs no copy of it.
class EditorPane : public QWidget, public LiveText {
    Q_OBJECT

public:
    EditorPane(Workspace& workspace, SettingsStore& settings, const ThemeSelection& themes,
               Commands& commands, QWidget* parent = nullptr);
    ~EditorPane() override;

    CodeTextEditor* editor() const { return m_editor; }
    // The status texts, left to right: lines, characters, tab size, encoding, language.
    QStringList statusTexts() const;
    WelcomeView* welcomeView() const { return m_welcome; }
    // The messages of a run of file `fileId`; shown while that file is, and
    // until its next run or another file is shown.
    void showMessages(const QUuid& fileId, const QList<CompilerMessage>& messages);
    void clearMessages();
    // Puts the caret where a message points, while its file is shown.
    void goToMessage(const CompilerMessage& message);

    QString text() const override;
    void replaceText(const QString& text) override;

private:
    QWidget* buildEditorPage();
    QWidget* buildHeader(QWidget* page);
    QWidget* buildStatusBar(QWidget* page);
    void showSelection();
    void applyConfig();
    EditorConfig currentConfig() const;
    void updateHeader();
    void showFileName(const QString& name);
    void updateStatus();
    void updateCounts();
    void changeFontSize(double delta);

    Workspace& m_workspace;
    SettingsStore& m_settings;
    const ThemeSelection& m_themes;
    Commands& m_commands;
    QStackedLayout* m_stack = nullptr;
    WelcomeView* m_welcome = nullptr;
    QWidget* m_editorPage = nullptr;
    CodeTextEditor* m_editor = nullptr;
    std::optional<QUuid> m_fileId;
    // The file the last run's messages are about.
    std::optional<QUuid> m_messagesFileId;

    QWidget* m_header = nullptr;
    QLabel* m_badge = nullptr;
    QLabel* m_fileName = nullptr;
    QLabel* m_fontSizeLabel = nullptr;
    QWidget* m_statusBar = nullptr;
    QLabel* m_lineCount = nullptr;
    QLabel* m_charCount = nullptr;
    QLabel* m_tabSize = nullptr;
    QLabel* m_encoding = nullptr;
    QWidget* m_languageDot = nullptr;
    QLabel* m_languageName = nullptr;
};
