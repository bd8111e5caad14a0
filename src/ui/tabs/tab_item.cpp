#include "ui/tabs/tab_item.h"

#include "models/item_roles.h"
#include "ui/accessibility.h"
#include "ui/icons.h"
#include "ui/style/style.h"

#include <QAccessibleWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString closeAction = QStringLiteral("close");

// A screen reader hears a page tab named by its file, selected while it is
// the selected file, with "press" to switch to it and "close" to close it;
// as the button it is drawn with it would be a check box.
class TabAccessible : public QAccessibleWidget {
public:
    explicit TabAccessible(TabItem* tab) : QAccessibleWidget(tab, QAccessible::PageTab) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.selectable = true;
        state.selected = tab()->isChecked();
        return state;
    }

    QStringList actionNames() const override { return {pressAction(), closeAction}; }

    QString localizedActionName(const QString& name) const override {
        return name == closeAction ? QStringLiteral("닫기")
                                   : QAccessibleWidget::localizedActionName(name);
    }

    void doAction(const QString& name) override {
        if (name == pressAction())
            tab()->click();
        else if (name == closeAction)
            emit tab()->closeRequested();
    }

private:
    TabItem* tab() const { return static_cast<TabItem*>(widget()); }
};

QAccessibleInterface* tabInterface(const QString& className, QObject* object) {
    if (className != QLatin1StringView(TabItem::staticMetaObject.className()))
        return nullptr;
    return new TabAccessible(static_cast<TabItem*>(object));
}

} // namespace

TabItem::TabItem(QWidget* parent) : QAbstractButton(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(tabInterface);
        return true;
    }();
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("tab"));
    setCheckable(true);
    // Clicking a tab switches files but leaves the keyboard in the editor.
    setFocusPolicy(Qt::TabFocus);
    setContextMenuPolicy(Qt::CustomContextMenu);

    m_badge = new QLabel(this);
    m_badge->setObjectName(QStringLiteral("tabBadge"));
    m_badge->setAlignment(Qt::AlignCenter);
    m_name = new QLabel(this);
    m_name->setObjectName(QStringLiteral("tabName"));
    for (QLabel* label : {m_badge, m_name})
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_close = new QToolButton(this);
    m_close->setObjectName(QStringLiteral("tabClose"));
    m_close->setAutoRaise(true);
    m_close->setFocusPolicy(Qt::NoFocus);
    setSymbol(m_close, QStringLiteral("xmark"), QStringLiteral("×"));
    nameIconButton(m_close, QStringLiteral("닫기"));
    m_indicator = new QWidget(this);
    m_indicator->setObjectName(QStringLiteral("tabIndicator"));
    m_indicator->setFixedHeight(2);
    // Unselected tabs keep the bar's room, so the row does not jump.
    QSizePolicy keepRoom = m_indicator->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    m_indicator->setSizePolicy(keepRoom);

    auto* row = new QHBoxLayout();
    row->setContentsMargins(10, 6, 4, 4);
    row->setSpacing(6);
    row->addWidget(m_badge);
    row->addWidget(m_name);
    row->addWidget(m_close);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addLayout(row);
    column->addWidget(m_indicator);

    connect(m_close, &QToolButton::clicked, this, &TabItem::closeRequested);
}

void TabItem::setRow(const QModelIndex& index) {
    m_fileId = index.data(IdRole).toUuid();
    const QString name = index.data().toString();
    const auto language = index.data(LanguageRole).value<ProgrammingLanguage>();
    const bool selected = index.data(SelectedRole).toBool();
    if (name != m_name->text()) {
        m_name->setText(name);
        setAccessibleName(name);
    }
    m_badge->setText(index.data(BadgeLabelRole).toString());
    setBadge(m_badge, language);
    setBadge(m_indicator, language);
    m_indicator->setVisible(selected);
    if (isChecked() != selected || property("selected").toBool() != selected) {
        setChecked(selected);
        setProperty("selected", selected);
        repolish(this);
    }
}

// A button that lays out children: the sheet paints its background.
void TabItem::paintEvent(QPaintEvent*) {
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}

void TabItem::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton)
        event->accept();
    else
        QAbstractButton::mousePressEvent(event);
}

void TabItem::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        if (rect().contains(event->position().toPoint()))
            emit closeRequested();
        event->accept();
        return;
    }
    QAbstractButton::mouseReleaseEvent(event);
}
