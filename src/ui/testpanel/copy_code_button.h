#pragma once

#include <QPushButton>

class Workspace;

// "코드 복사": puts the selected file's text on the clipboard and reads
// "복사됨!" for a while. Every click schedules its own reset, so a second
// click keeps the confirmation only until the first click's reset.
// Disabled while no file is selected.
class CopyCodeButton : public QPushButton {
    Q_OBJECT

public:
    explicit CopyCodeButton(Workspace& workspace, QWidget* parent = nullptr);

    bool showsCopied() const { return m_showCopied; }

signals:
    void showCopiedChanged(bool shown);

private:
    void copy();
    void setShowCopied(bool shown);

    Workspace& m_workspace;
    bool m_showCopied = false;
};
