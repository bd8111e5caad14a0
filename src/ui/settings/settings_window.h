#pragma once

#include <QDialog>
#include <QStringList>

class ProblemReceiving;
class SettingsStore;
class ThemeSelection;
class WorkspaceStore;
class QListWidget;
class QStackedWidget;

// The nine tabs, in the order of the list on the left.
enum class SettingsTab {
    editor,
    indentation,
    templates,
    execution,
    extensions,
    customTheme,
    shortcuts,
    changelog,
    about
};

// The settings window: a fixed 650 x 500 window-modal dialog with the list
// of tabs on the left and the chosen tab's page, scrolling, on the right.
// It keeps no setting of its own: every page changes the settings and the
// state at once, so closing it (its button, Escape) keeps every change.
class SettingsWindow : public QDialog {
    Q_OBJECT

public:
    // `installedFamilies`: the system's font families, for the font picker;
    // `receiving`: whether problems can arrive, when the window receives them.
    SettingsWindow(SettingsStore& settings, ThemeSelection& themes, WorkspaceStore& store,
                   const QStringList& installedFamilies, ProblemReceiving* receiving = nullptr,
                   QWidget* parent = nullptr);

    SettingsTab selectedTab() const;
    void selectTab(SettingsTab tab);
    QWidget* page(SettingsTab tab) const;

private:
    QWidget* buildHeader();
    void addPage(SettingsTab tab, QWidget* page);

    QListWidget* m_tabs = nullptr;
    QStackedWidget* m_pages = nullptr;
};
