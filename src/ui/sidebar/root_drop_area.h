#pragma once

#include <QWidget>

class WorkspaceModel;

// Under the list, while folders exist: the place to drop a file to take it
// out of its folder. It hands the drag's data to the model as a drop at the
// top level, as the list does, and is tinted while a drag could drop there.
class RootDropArea : public QWidget {
    Q_OBJECT

public:
    RootDropArea(WorkspaceModel& model, QWidget* parent);

    bool isHovered() const { return m_hovered; }
    void setHovered(bool hovered);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool accepts(const QDropEvent* event) const;

    WorkspaceModel& m_model;
    bool m_hovered = false;
};
