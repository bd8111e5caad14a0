#include "ui/sheets/sheet_backdrop.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QWidget>

namespace {

class SheetBackdrop : public QWidget {
public:
    SheetBackdrop(QWidget* window, QDialog* sheet)
        : QWidget(window), m_sheet(sheet), m_returnFocus(QApplication::focusWidget()) {
        setObjectName(QStringLiteral("sheetBackdrop"));
        window->installEventFilter(this);
        sheet->setParent(this, Qt::Widget);
        connect(sheet, &QDialog::finished, this, &SheetBackdrop::close);
        connect(sheet, &QObject::destroyed, this, &SheetBackdrop::close);
        fit();
    }

    ~SheetBackdrop() override {
        if (m_returnFocus)
            m_returnFocus->setFocus();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == parentWidget() && event->type() == QEvent::Resize)
            fit();
        return QWidget::eventFilter(watched, event);
    }

    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        // A deep shade of the window's own colour dims light and dark themes alike.
        QColor dim = palette().color(QPalette::Window).darker(400);
        dim.setAlphaF(0.45f);
        painter.fillRect(rect(), dim);
    }

private:
    void close() {
        hide();
        deleteLater();
    }

    void fit() {
        setGeometry(parentWidget()->rect());
        if (!m_sheet)
            return;
        const QSize size = m_sheet->size().boundedTo(this->size());
        m_sheet->setGeometry(
            QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size));
    }

    QPointer<QDialog> m_sheet;
    QPointer<QWidget> m_returnFocus;
};

} // namespace

void presentSheet(QDialog* sheet) {
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    // The sheet's own background comes from the style's rule for sheets. A
    // sheet polished already (sized below, or measured in its constructor)
    // would keep the rules it matched without the property and be drawn
    // see-through over the window.
    sheet->setProperty("sheet", true);
    sheet->setAttribute(Qt::WA_StyledBackground);
    sheet->style()->unpolish(sheet);
    sheet->style()->polish(sheet);
    // A sheet not shown yet has no size of its own: it takes its layout's.
    if (!sheet->testAttribute(Qt::WA_Resized))
        sheet->adjustSize();
    auto* backdrop = new SheetBackdrop(sheet->parentWidget()->window(), sheet);
    backdrop->show();
    backdrop->raise();
    sheet->open();
    sheet->setFocus();
}
