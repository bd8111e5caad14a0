#pragma once

#include <QKeySequence>
#include <QString>

class QAbstractButton;

// Screen readers name a control by its visible text, which Qt passes on by
// itself. An icon-only button has none: its tooltip carries the shortcut
// ("새 파일 (Ctrl+N)") and its accessible name is the label alone ("새 파일"),
// also while a missing icon leaves a fallback text on it.
void nameIconButton(QAbstractButton* button, const QString& label,
                    const QKeySequence& shortcut = {});
