#pragma once

#include <QColor>
#include <QFont>
#include <QPointer>
#include <QWidget>

class SyntaxTextView;

// The line-number strip left of the text: 45 px wide, labels right-aligned
// 8 px from its edge and centred on their row. Every visual row takes a
// number, so a wrapped line takes one per row and the lines after it shift.
class LineNumberGutter : public QWidget {
    Q_OBJECT

public:
    static constexpr int thickness = 45;
    static constexpr int rightMargin = 8;

    LineNumberGutter(SyntaxTextView* textView, QWidget* parent);

    void setLabelFont(const QFont& font);
    void setTextColor(const QColor& color);
    void setBackgroundColor(const QColor& color);

    // The numbers the gutter draws now, top to bottom, with each row's
    // vertical extent in gutter coordinates.
    struct Row {
        int number;
        QRectF rect;
    };
    QList<Row> visibleRows() const;

    QSize sizeHint() const override { return {thickness, 0}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPointer<SyntaxTextView> m_textView;
    QFont m_font;
    QColor m_textColor;
    QColor m_backgroundColor = Qt::transparent;
};
