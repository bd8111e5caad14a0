#include "ui/settings/custom_theme_row.h"

#include "ui/accessibility.h"
#include "ui/icons.h"
#include "ui/style/colors.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

namespace {

// The user's own colour, painted as it is.
class Swatch : public QWidget {
public:
    Swatch(const CodableColor& color, QWidget* parent)
        : QWidget(parent), m_color(toQColor(color.toRgba())) {
        setFixedSize(16, 16);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(palette().color(QPalette::Mid));
        painter.setBrush(m_color);
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    }

private:
    QColor m_color;
};

QToolButton* iconButton(const QString& symbol, const QString& label, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setAutoRaise(true);
    setSymbol(button, symbol, label);
    nameIconButton(button, label);
    return button;
}

} // namespace

CustomThemeRow::CustomThemeRow(const CustomTheme& theme, bool selected, QWidget* parent)
    : QFrame(parent) {
    setObjectName(QStringLiteral("customThemeRow"));
    setProperty("selected", selected);
    setAccessibleName(theme.name);
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 6, 6, 6);
    layout->setSpacing(4);
    for (const CodableColor& color :
         {theme.background, theme.syntaxKeyword, theme.syntaxString, theme.syntaxComment})
        layout->addWidget(new Swatch(color, this));
    layout->addSpacing(8);
    auto* name = new QLabel(theme.name, this);
    name->setObjectName(QStringLiteral("themeName"));
    layout->addWidget(name, 1);
    if (selected) {
        auto* check = new QLabel(this);
        check->setObjectName(QStringLiteral("selectedCheck"));
        check->setAccessibleName(QStringLiteral("선택됨"));
        check->setPixmap(symbolIcon(QStringLiteral("checkmark.circle.fill")).pixmap(18, 18));
        layout->addWidget(check);
    }
    auto* edit = iconButton(QStringLiteral("pencil"), QStringLiteral("편집"), this);
    auto* share =
        iconButton(QStringLiteral("square.and.arrow.up"), QStringLiteral("내보내기"), this);
    auto* remove = iconButton(QStringLiteral("trash"), QStringLiteral("삭제"), this);
    edit->setObjectName(QStringLiteral("editThemeButton"));
    share->setObjectName(QStringLiteral("exportThemeButton"));
    remove->setObjectName(QStringLiteral("deleteThemeButton"));
    connect(edit, &QToolButton::clicked, this, &CustomThemeRow::editRequested);
    connect(share, &QToolButton::clicked, this, &CustomThemeRow::exportRequested);
    connect(remove, &QToolButton::clicked, this, &CustomThemeRow::deleteRequested);
    layout->addWidget(edit);
    layout->addWidget(share);
    layout->addWidget(remove);
}

void CustomThemeRow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit selectRequested();
    QFrame::mouseReleaseEvent(event);
}

void CustomThemeRow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return) {
        emit selectRequested();
        return;
    }
    QFrame::keyPressEvent(event);
}
