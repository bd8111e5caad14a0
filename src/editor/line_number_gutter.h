#pragma once

#include <QColor>
#include <QFont>
#include <QPointer>
#include <QWidget>
#include <utility>

class DiagnosticMarkers;
class SyntaxTextView;

// The line-number strip left of the text: 45 px wide, labels right-aligned
// 8 px from its edge and centred on the line's first row; a wrapped line
// keeps one number, so every line shows the number the compiler gives it.
// A line with a compiler message has a dot in the message's colour at its
// first row; hovering the dot tells the message.
class LineNumberGutter : public QWidget {
    Q_OBJECT

public:
    static constexpr int thickness = 45;
    static constexpr int rightMargin = 8;

    LineNumberGutter(SyntaxTextView* textView, QWidget* parent);

    void setLabelFont(const QFont& font);
    void setTextColor(const QColor& color);
    void setBackgroundColor(const QColor& color);
    void setDiagnostics(const DiagnosticMarkers* diagnostics);

    // The numbers the gutter draws now, top to bottom, with the extent of
    // each line's first row in gutter coordinates.
    struct Row {
        int number;
        QRectF rect;
    };
    QList<Row> visibleRows() const;

    QSize sizeHint() const override { return {thickness, 0}; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The first row of each marked line in view: the line's block number and
    // the row in gutter coordinates.
    QList<std::pair<int, QRectF>> markedRows() const;

    QPointer<SyntaxTextView> m_textView;
    const DiagnosticMarkers* m_diagnostics = nullptr;
    QFont m_font;
    QColor m_textColor;
    QColor m_backgroundColor = Qt::transparent;
};
