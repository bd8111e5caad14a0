#pragma once

#include <QAbstractButton>
#include <QUuid>

class QLabel;
class QModelIndex;
class QToolButton;

// One open file in the tab bar: the language badge, the name and a close
// button, over a 2-pixel bar in the language's colour that only the selected
// tab shows. A screen reader hears the file's name and, while it is the
// selected file, "selected", as a page tab. A middle click closes it, as on every Linux desktop.
class TabItem : public QAbstractButton {
    Q_OBJECT

public:
    explicit TabItem(QWidget* parent);

    // Takes the name, language and selection of the tab's row.
    void setRow(const QModelIndex& index);
    const QUuid& fileId() const { return m_fileId; }

signals:
    void closeRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // The selection decides the check, not the click.
    void nextCheckState() override {}

private:
    QUuid m_fileId;
    QLabel* m_badge = nullptr;
    QLabel* m_name = nullptr;
    QToolButton* m_close = nullptr;
    QWidget* m_indicator = nullptr;
};
