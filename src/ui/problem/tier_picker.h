#pragma once

#include "problems/solved_tier.h"

#include <QFrame>

class QLabel;

// The random-problem picker: six groups of five tier buttons, shown as a
// popup under the button that opens it. The buttons stay active during the
// cooldown, which only delays the fetch that follows a pick.
class TierPicker : public QFrame {
    Q_OBJECT

public:
    explicit TierPicker(QWidget* parent = nullptr);

    // Shows "N초 후 검색 가능" while seconds are left.
    void setRemainingCooldown(int seconds);
    // Opens below `anchor`, left edges aligned.
    void popUp(QWidget* anchor);

signals:
    void tierSelected(SolvedTier tier);

private:
    QLabel* m_cooldownNote;
};
