#include "ui/sheets/step_dots.h"

#include <QPainter>

namespace {
constexpr int dot = 8;
constexpr int currentWidth = 22;
constexpr int gap = 6;
} // namespace

StepDots::StepDots(int count, QWidget* parent) : QWidget(parent), m_count(count) {
    setObjectName(QStringLiteral("stepDots"));
    setAccessibleName(QStringLiteral("진행"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setCurrent(0);
}

void StepDots::setCurrent(int index) {
    m_current = index;
    setAccessibleDescription(QStringLiteral("%1 / %2").arg(index + 1).arg(m_count));
    update();
}

QSize StepDots::sizeHint() const {
    return {(m_count - 1) * (dot + gap) + currentWidth, dot};
}

void StepDots::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    QColor faint = palette().color(QPalette::WindowText);
    faint.setAlphaF(0.2f);
    qreal x = 0;
    for (int i = 0; i < m_count; ++i) {
        const qreal width = i == m_current ? currentWidth : dot;
        painter.setBrush(i <= m_current ? palette().color(QPalette::Highlight) : faint);
        painter.drawRoundedRect(QRectF(x, 0, width, dot), dot / 2.0, dot / 2.0);
        x += width + gap;
    }
}
