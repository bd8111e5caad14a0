#include "ui/sidebar/workspace_row_delegate.h"

#include "models/item_roles.h"
#include "ui/icons.h"
#include "ui/style/colors.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace {

constexpr int inset = 4;
constexpr int iconSize = 16;
constexpr int chevronSize = 12;
constexpr int badgeWidth = 34;

const QString addFileTip = QStringLiteral("폴더에 파일 추가");

QRect centredSquare(int left, const QRect& row, int size) {
    return {left, row.center().y() - size / 2 + 1, size, size};
}

// An icon, or its stand-in glyph where the icon theme has none.
void drawSymbol(QPainter* painter, const QRect& box, const QString& symbol, const QString& glyph,
                const QColor& glyphColour) {
    const QIcon icon = symbolIcon(symbol);
    if (!icon.isNull()) {
        icon.paint(painter, box);
        return;
    }
    painter->setPen(glyphColour);
    painter->drawText(box, Qt::AlignCenter, glyph);
}

void fillRow(QPainter* painter, const QRect& back, const QColor& colour) {
    painter->setPen(Qt::NoPen);
    painter->setBrush(colour);
    painter->drawRoundedRect(back, 5, 5);
}

} // namespace

WorkspaceRowDelegate::WorkspaceRowDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

void WorkspaceRowDelegate::setDropTarget(const QModelIndex& folder) {
    m_dropTarget = folder;
}

QRect WorkspaceRowDelegate::addButtonRect(const QRect& row) {
    return centredSquare(row.right() - inset - 6 - iconSize, row, iconSize);
}

QSize WorkspaceRowDelegate::sizeHint(const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const {
    return {QStyledItemDelegate::sizeHint(option, index).width(), rowHeight};
}

void WorkspaceRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const QRect back = option.rect.adjusted(inset, 1, -inset, -1);
    const QColor accent = option.palette.color(QPalette::Highlight);
    const QColor text = option.palette.color(QPalette::Text);
    if (index == m_dropTarget)
        fillRow(painter, back, withAlpha(accent, 0.4));
    else if (index.data(SelectedRole).toBool())
        fillRow(painter, back, withAlpha(accent, 0.28));
    else if (option.state & QStyle::State_MouseOver)
        fillRow(painter, back, withAlpha(text, 0.08));
    // The keyboard's place in the list, apart from the file that is open.
    if ((option.state & QStyle::State_HasFocus) && (option.state & QStyle::State_Selected)) {
        painter->setPen(withAlpha(accent, 0.9));
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(QRectF(back).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    }
    if (index.data(IsFolderRole).toBool())
        paintFolder(painter, option, index);
    else
        paintFile(painter, option, index);
    painter->restore();
}

void WorkspaceRowDelegate::paintFolder(QPainter* painter, const QStyleOptionViewItem& option,
                                       const QModelIndex& index) const {
    const QRect& row = option.rect;
    const QColor text = option.palette.color(QPalette::Text);
    const QColor dim = withAlpha(text, 0.55);
    const bool expanded = index.data(ExpandedRole).toBool();
    int x = row.left() + inset + 6;

    drawSymbol(painter, centredSquare(x, row, chevronSize),
               expanded ? QStringLiteral("chevron.down") : QStringLiteral("chevron.right"),
               expanded ? QStringLiteral("▾") : QStringLiteral("▸"), dim);
    x += chevronSize + 4;
    drawSymbol(painter, centredSquare(x, row, iconSize),
               expanded ? QStringLiteral("folder.fill") : QStringLiteral("folder"),
               QStringLiteral("▣"), dim);
    x += iconSize + 6;

    const QRect add = addButtonRect(row);
    const bool hovered = option.state & QStyle::State_MouseOver;
    painter->setOpacity(hovered ? 1.0 : 0.5);
    drawSymbol(painter, add, QStringLiteral("plus"), QStringLiteral("+"), text);
    painter->setOpacity(1.0);

    QFont small = option.font;
    small.setPointSizeF(option.font.pointSizeF() * 0.85);
    const QString count = QString::number(index.data(FileCountRole).toInt());
    const int countWidth = QFontMetrics(small).horizontalAdvance(count);
    const QRect countBox(add.left() - 8 - countWidth, row.top(), countWidth, row.height());
    painter->setFont(small);
    painter->setPen(dim);
    painter->drawText(countBox, Qt::AlignVCenter | Qt::AlignRight, count);

    QFont bold = option.font;
    bold.setWeight(QFont::DemiBold);
    painter->setFont(bold);
    painter->setPen(text);
    const QRect nameBox(x, row.top(), countBox.left() - 8 - x, row.height());
    painter->drawText(
        nameBox, Qt::AlignVCenter | Qt::AlignLeft,
        QFontMetrics(bold).elidedText(index.data().toString(), Qt::ElideRight, nameBox.width()));
}

void WorkspaceRowDelegate::paintFile(QPainter* painter, const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const {
    const QRect& row = option.rect;
    int x = row.left() + inset + 6;

    QFont badge = option.font;
    badge.setFamily(QStringLiteral("monospace"));
    badge.setStyleHint(QFont::Monospace);
    badge.setBold(true);
    badge.setPixelSize(11);
    painter->setFont(badge);
    painter->setPen(badgeColor(index.data(LanguageRole).value<ProgrammingLanguage>(),
                               option.palette.color(QPalette::Window)));
    painter->drawText(QRect(x, row.top(), badgeWidth, row.height()),
                      Qt::AlignVCenter | Qt::AlignLeft, index.data(BadgeLabelRole).toString());
    x += badgeWidth + 4;

    painter->setFont(option.font);
    painter->setPen(option.palette.color(QPalette::Text));
    const QRect nameBox(x, row.top(), row.right() - inset - 6 - x, row.height());
    painter->drawText(
        nameBox, Qt::AlignVCenter | Qt::AlignLeft,
        option.fontMetrics.elidedText(index.data().toString(), Qt::ElideMiddle, nameBox.width()));
}

bool WorkspaceRowDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                     const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (event->type() == QEvent::ToolTip && index.data(IsFolderRole).toBool() &&
        addButtonRect(option.rect).contains(event->pos())) {
        QToolTip::showText(event->globalPos(), addFileTip, view);
        return true;
    }
    return QStyledItemDelegate::helpEvent(event, view, option, index);
}
