#include "ui/tabs/tab_bar.h"

#include "models/item_roles.h"
#include "models/open_tabs_model.h"
#include "ui/accessibility.h"
#include "ui/icons.h"
#include "ui/tabs/tab_item.h"
#include "workspace/workspace.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

namespace {

constexpr int minimumTabWidth = 80;

// As wide as its tabs while they fit, so "+" follows the last tab; narrower
// (scrolling) when the window is.
class TabScrollArea : public ScrollArea {
public:
    using ScrollArea::ScrollArea;

    QSize sizeHint() const override {
        const QSize content = widget() ? widget()->sizeHint() : QSize();
        return content + QSize(2 * frameWidth(), 2 * frameWidth());
    }

    // No room kept for scroll bars it never shows.
    QSize minimumSizeHint() const override { return {minimumTabWidth, sizeHint().height()}; }

protected:
    // A tab shown, closed or renamed changes the row's width.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == widget() && event->type() == QEvent::LayoutRequest)
            updateGeometry();
        return QScrollArea::eventFilter(watched, event);
    }
};

} // namespace

TabBar::TabBar(Workspace& workspace, QWidget* parent)
    : QWidget(parent), m_workspace(workspace), m_model(new OpenTabsModel(workspace, this)) {
    setObjectName(QStringLiteral("tabBar"));
    setAccessibleName(QStringLiteral("탭"));
    setAttribute(Qt::WA_StyledBackground);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    auto* strip = new QWidget();
    strip->setObjectName(QStringLiteral("tabStrip"));
    m_row = new QHBoxLayout(strip);
    m_row->setContentsMargins(0, 0, 0, 0);
    m_row->setSpacing(0);
    m_row->setSizeConstraint(QLayout::SetMinimumSize);

    m_scroll = new TabScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("tabScroll"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(true);
    m_scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    m_scroll->setWidget(strip);
    m_scroll->viewport()->installEventFilter(this);

    auto* add = new QToolButton(this);
    add->setObjectName(QStringLiteral("newTabButton"));
    add->setAutoRaise(true);
    add->setFocusPolicy(Qt::TabFocus);
    setSymbol(add, QStringLiteral("plus"), QStringLiteral("+"));
    nameIconButton(add, QStringLiteral("새 파일 만들기"));
    connect(add, &QToolButton::clicked, this, &TabBar::newFileSheetRequested);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 4, 0);
    layout->setSpacing(2);
    layout->addWidget(m_scroll);
    layout->addWidget(add);
    layout->addStretch(1);

    connect(m_model, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { insertItems(first, last); });
    connect(m_model, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex&, int first, int last) { removeItems(first, last); });
    connect(m_model, &QAbstractItemModel::dataChanged, this, &TabBar::updateItems);
    connect(m_model, &QAbstractItemModel::modelReset, this, &TabBar::rebuild);
    rebuild();
}

void TabBar::insertItems(int first, int last) {
    for (int row = first; row <= last; ++row) {
        auto* item = new TabItem(m_scroll->widget());
        item->setRow(m_model->index(row));
        connect(item, &TabItem::clicked, this,
                [this, item] { m_workspace.openFile(item->fileId()); });
        connect(item, &TabItem::closeRequested, this,
                [this, item] { m_workspace.closeTab(item->fileId()); });
        connect(item, &TabItem::customContextMenuRequested, this,
                [this, item](QPoint at) { popUpMenu(item->fileId(), item->mapToGlobal(at)); });
        m_row->insertWidget(row, item);
        m_items.insert(row, item);
    }
    revealSelected();
}

void TabBar::removeItems(int first, int last) {
    for (int row = last; row >= first; --row)
        delete m_items.takeAt(row);
}

void TabBar::updateItems(const QModelIndex& topLeft, const QModelIndex& bottomRight) {
    bool newlySelected = false;
    for (int row = topLeft.row(); row <= bottomRight.row(); ++row) {
        TabItem* item = m_items[row];
        const bool wasSelected = item->isChecked();
        item->setRow(m_model->index(row));
        newlySelected = newlySelected || (item->isChecked() && !wasSelected);
    }
    if (newlySelected)
        revealSelected();
}

void TabBar::rebuild() {
    qDeleteAll(m_items);
    m_items.clear();
    if (m_model->rowCount() > 0)
        insertItems(0, m_model->rowCount() - 1);
}

// After the layout has placed a new tab, so its position is known.
void TabBar::revealSelected() {
    QTimer::singleShot(0, this, [this] {
        for (TabItem* item : std::as_const(m_items)) {
            if (item->isChecked())
                m_scroll->ensureWidgetVisible(item, 0, 0);
        }
    });
}

void TabBar::popUpMenu(const QUuid& fileId, const QPoint& globalPos) {
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(QStringLiteral("닫기"), this, [this, fileId] { m_workspace.closeTab(fileId); });
    menu->addAction(QStringLiteral("다른 탭 모두 닫기"), this,
                    [this, fileId] { m_workspace.closeOtherTabs(fileId); });
    menu->addSeparator();
    menu->addAction(QStringLiteral("파일 복제"), this,
                    [this, fileId] { m_workspace.duplicateFile(fileId); });
    menu->addAction(QStringLiteral("파일 삭제"), this,
                    [this, fileId] { m_workspace.deleteFile(fileId); });
    menu->popup(globalPos);
}

// The row has no scroll bar to spare the room; the wheel scrolls it sideways.
bool TabBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_scroll->viewport() && event->type() == QEvent::Wheel) {
        const QPoint delta = static_cast<QWheelEvent*>(event)->angleDelta();
        QScrollBar* bar = m_scroll->horizontalScrollBar();
        bar->setValue(bar->value() - (delta.y() != 0 ? delta.y() : delta.x()));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
