#include "ui/problem/tier_picker.h"

#include "ui/style/problem_sheet.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int tiersPerGroup = 5;

// The step digit on the face; the tier's name for the tooltip and for
// screen readers, which would otherwise read a bare "5".
QPushButton* tierButton(SolvedTier tier, QWidget* parent) {
    auto* button = new QPushButton(levelDigit(tier), parent);
    button->setObjectName(QStringLiteral("tierButton"));
    button->setToolTip(displayName(tier));
    button->setAccessibleName(displayName(tier));
    button->setFixedSize(36, 28);
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::TabFocus);
    setTierColour(button, tier);
    return button;
}

} // namespace

TierPicker::TierPicker(QWidget* parent) : QFrame(parent, Qt::Popup) {
    setObjectName(QStringLiteral("tierPicker"));
    setAccessibleName(QStringLiteral("난이도별 문제 추천"));
    setAttribute(Qt::WA_StyledBackground);
    // The click that closes the popup on its opening button must not open it again.
    setAttribute(Qt::WA_NoMouseReplay);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setSpacing(10);

    auto* heading = new QLabel(QStringLiteral("난이도별 문제 추천"), this);
    heading->setObjectName(QStringLiteral("tierPickerHeading"));
    layout->addWidget(heading);
    m_cooldownNote = new QLabel(this);
    m_cooldownNote->setObjectName(QStringLiteral("cooldownNote"));
    m_cooldownNote->hide();
    layout->addWidget(m_cooldownNote);

    auto* groups = new QGridLayout;
    groups->setHorizontalSpacing(6);
    groups->setVerticalSpacing(6);
    int row = 0;
    for (SolvedTier tier : allSolvedTiers()) {
        if (tier == SolvedTier::unrated)
            continue;
        const int column = (rawValue(tier) - 1) % tiersPerGroup;
        if (column == 0) {
            auto* name = new QLabel(displayName(tier).section(u' ', 0, 0), this);
            name->setObjectName(QStringLiteral("tierGroupName"));
            name->setMinimumWidth(70);
            setTierColour(name, tier);
            groups->addWidget(name, row, 0);
        }
        QPushButton* button = tierButton(tier, this);
        connect(button, &QPushButton::clicked, this, [this, tier] { emit tierSelected(tier); });
        groups->addWidget(button, row, column + 1);
        if (column == tiersPerGroup - 1)
            ++row;
    }
    layout->addLayout(groups);

    auto* hint = new QLabel(QStringLiteral("선택하면 해당 난이도의 랜덤 문제를 추천합니다"), this);
    hint->setObjectName(QStringLiteral("tierPickerHint"));
    layout->addWidget(hint);
}

void TierPicker::setRemainingCooldown(int seconds) {
    m_cooldownNote->setVisible(seconds > 0);
    m_cooldownNote->setText(QString::number(seconds) + QStringLiteral("초 후 검색 가능"));
    adjustSize();
}

void TierPicker::popUp(QWidget* anchor) {
    adjustSize();
    move(anchor->mapToGlobal(QPoint(0, anchor->height() + 4)));
    show();
}
