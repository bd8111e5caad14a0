#include "ui/testpanel/line_fit.h"

#include <QPlainTextEdit>

int heightForLines(const QPlainTextEdit* view, int lines) {
    view->ensurePolished();
    const QMargins margins = view->contentsMargins();
    return lines * view->fontMetrics().lineSpacing() + int(2 * view->document()->documentMargin()) +
           margins.top() + margins.bottom() + 2 * view->frameWidth();
}
