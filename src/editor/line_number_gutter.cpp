#include "editor/line_number_gutter.h"

#include "editor/code_font.h"
#include "editor/diagnostic_markers.h"
#include "editor/syntax_text_view.h"

#include <QHelpEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QToolTip>

LineNumberGutter::LineNumberGutter(SyntaxTextView* textView, QWidget* parent)
    : QWidget(parent), m_textView(textView) {
    m_font = fixedPitchFont();
    m_font.setPointSizeF(14);
    setFixedWidth(thickness);
    connect(textView, &QPlainTextEdit::updateRequest, this,
            [this](const QRect&, int) { update(); });
    connect(textView->verticalScrollBar(), &QScrollBar::valueChanged, this,
            qOverload<>(&QWidget::update));
}

void LineNumberGutter::setLabelFont(const QFont& font) {
    m_font = font;
    update();
}

void LineNumberGutter::setTextColor(const QColor& color) {
    m_textColor = color;
    update();
}

void LineNumberGutter::setBackgroundColor(const QColor& color) {
    m_backgroundColor = color;
    update();
}

void LineNumberGutter::setDiagnostics(const DiagnosticMarkers* diagnostics) {
    m_diagnostics = diagnostics;
    connect(diagnostics, &DiagnosticMarkers::changed, this, qOverload<>(&QWidget::update));
    update();
}

QList<std::pair<int, QRectF>> LineNumberGutter::markedRows() const {
    QList<std::pair<int, QRectF>> rows;
    if (!m_textView || !m_diagnostics)
        return rows;
    const qreal viewportTop =
        m_textView->viewport()->mapToGlobal(QPoint(0, 0)).y() - mapToGlobal(QPoint(0, 0)).y();
    for (const DiagnosticMarkers::Marker& marker : m_diagnostics->markers()) {
        const QTextBlock block = marker.range.block();
        if (!rows.isEmpty() && rows.last().first == block.blockNumber())
            continue;
        const QRectF box =
            m_textView->blockBoundingGeometry(block).translated(m_textView->contentOffset());
        const QTextLayout* layout = block.layout();
        const qreal height = layout->lineCount() > 0 ? layout->lineAt(0).height() : box.height();
        if (box.top() + height >= 0 && box.top() <= m_textView->viewport()->height())
            rows.append({block.blockNumber(), QRectF(0, viewportTop + box.top(), width(), height)});
    }
    return rows;
}

bool LineNumberGutter::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip || !m_diagnostics)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    for (const auto& [blockNumber, row] : markedRows()) {
        if (row.top() <= help->pos().y() && help->pos().y() < row.bottom()) {
            QStringList lines;
            for (const DiagnosticMarkers::Marker* marker : m_diagnostics->onBlock(blockNumber))
                lines << DiagnosticMarkers::describe(marker->message);
            QToolTip::showText(help->globalPos(), lines.join(u'\n'), this);
            return true;
        }
    }
    QToolTip::hideText();
    return true;
}

QList<LineNumberGutter::Row> LineNumberGutter::visibleRows() const {
    QList<Row> rows;
    if (!m_textView)
        return rows;
    const QFontMetricsF metrics(m_font);
    const qreal viewportTop =
        m_textView->viewport()->mapToGlobal(QPoint(0, 0)).y() - mapToGlobal(QPoint(0, 0)).y();
    if (m_textView->document()->isEmpty()) {
        const QTextBlock block = m_textView->document()->firstBlock();
        const QRectF first =
            m_textView->blockBoundingGeometry(block).translated(m_textView->contentOffset());
        const qreal height =
            block.layout()->lineCount() > 0 ? block.layout()->lineAt(0).height() : metrics.height();
        rows.append({1, QRectF(0, viewportTop + first.top(), width(), height)});
        return rows;
    }
    // A line's number is its block number plus one, on its first row only: a
    // wrapped line keeps one number, so the numbers stay those the compiler
    // and the status bar count, wherever the view is scrolled.
    const qreal bottom = m_textView->viewport()->height();
    for (QTextBlock block = m_textView->firstVisibleBlock(); block.isValid();
         block = block.next()) {
        const QRectF blockRect =
            m_textView->blockBoundingGeometry(block).translated(m_textView->contentOffset());
        if (blockRect.top() > bottom)
            break;
        if (!block.isVisible() || block.layout()->lineCount() == 0)
            continue;
        const QTextLine first = block.layout()->lineAt(0);
        const qreal top = blockRect.top() + first.y();
        if (top + first.height() > 0)
            rows.append(
                {block.blockNumber() + 1, QRectF(0, viewportTop + top, width(), first.height())});
    }
    return rows;
}

void LineNumberGutter::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), m_backgroundColor);
    painter.setFont(m_font);
    painter.setPen(m_textColor);
    for (const Row& row : visibleRows()) {
        const QRectF box(0, row.rect.top(), thickness - rightMargin, row.rect.height());
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, QString::number(row.number));
    }
    if (!m_diagnostics)
        return;
    // The dot left of the numbers, in the colour of the line's gravest message.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (const auto& [blockNumber, row] : markedRows()) {
        MessageSeverity gravest = MessageSeverity::note;
        for (const DiagnosticMarkers::Marker* marker : m_diagnostics->onBlock(blockNumber))
            gravest = std::min(gravest, marker->message.severity);
        painter.setBrush(m_diagnostics->colour(gravest));
        constexpr qreal diameter = 7;
        painter.drawEllipse(QRectF(3, row.center().y() - diameter / 2, diameter, diameter));
    }
}
