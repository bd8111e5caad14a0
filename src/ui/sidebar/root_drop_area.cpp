#include "ui/sidebar/root_drop_area.h"

#include "models/workspace_model.h"
#include "ui/icons.h"

#include <QDragEnterEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>

RootDropArea::RootDropArea(WorkspaceModel& model, QWidget* parent)
    : QWidget(parent), m_model(model) {
    setObjectName(QStringLiteral("rootDropArea"));
    setAttribute(Qt::WA_StyledBackground);
    setAcceptDrops(true);

    const QString hint = QStringLiteral("여기에 드롭하여 폴더에서 꺼내기");
    setAccessibleName(hint);
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("rootDropIcon"));
    icon->setPixmap(symbolIcon(QStringLiteral("arrow.down.doc")).pixmap(14, 14));
    auto* text = new QLabel(hint, this);
    text->setObjectName(QStringLiteral("rootDropHint"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 8, 12, 8);
    layout->setSpacing(6);
    layout->addStretch();
    layout->addWidget(icon);
    layout->addWidget(text);
    layout->addStretch();
}

void RootDropArea::setHovered(bool hovered) {
    if (m_hovered == hovered)
        return;
    m_hovered = hovered;
    // The style sheet tints the area by this property.
    setProperty("dropHover", hovered);
    QList<QWidget*> restyled = findChildren<QWidget*>();
    restyled.append(this);
    for (QWidget* widget : restyled) {
        widget->style()->unpolish(widget);
        widget->style()->polish(widget);
    }
    update();
}

bool RootDropArea::accepts(const QDropEvent* event) const {
    return m_model.canDropMimeData(event->mimeData(), event->dropAction(), -1, -1, {});
}

void RootDropArea::dragEnterEvent(QDragEnterEvent* event) {
    dragMoveEvent(event);
}

void RootDropArea::dragMoveEvent(QDragMoveEvent* event) {
    setHovered(accepts(event));
    if (m_hovered)
        event->acceptProposedAction();
    else
        event->ignore();
}

void RootDropArea::dragLeaveEvent(QDragLeaveEvent*) {
    setHovered(false);
}

void RootDropArea::dropEvent(QDropEvent* event) {
    setHovered(false);
    if (m_model.dropMimeData(event->mimeData(), event->dropAction(), -1, -1, {}))
        event->acceptProposedAction();
    else
        event->ignore();
}
