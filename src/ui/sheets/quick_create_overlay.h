#pragma once

#include "base/programming_language.h"

#include <QPointer>
#include <QWidget>

class Workspace;
class QButtonGroup;
class QFrame;
class QLabel;
class QLineEdit;

// Ctrl+N's small creator: a 300-pixel panel over the whole window on a dimmed
// backdrop. Return or "생성 (⏎)" creates the typed name at the root; Escape,
// "취소" or a click on the backdrop closes it without creating. The overlay
// follows its parent's size while it is open.
class QuickCreateOverlay : public QWidget {
    Q_OBJECT

public:
    QuickCreateOverlay(Workspace& workspace, QWidget* parent);

    // Starts afresh ("solution", C++) and takes the keyboard.
    void open();
    ProgrammingLanguage language() const { return m_language; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void chooseLanguage(ProgrammingLanguage language);
    void create();

    Workspace& m_workspace;
    ProgrammingLanguage m_language = ProgrammingLanguage::cpp;
    QFrame* m_panel = nullptr;
    QLineEdit* m_name = nullptr;
    QLabel* m_extension = nullptr;
    QButtonGroup* m_languages = nullptr;
    QPointer<QWidget> m_returnFocus;
};
