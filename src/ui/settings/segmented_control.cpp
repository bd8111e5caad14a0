#include "ui/settings/segmented_control.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPushButton>

SegmentedControl::SegmentedControl(const QString& accessibleName, QWidget* parent)
    : QWidget(parent), m_group(new QButtonGroup(this)), m_row(new QHBoxLayout(this)) {
    setObjectName(QStringLiteral("segmentedControl"));
    setAccessibleName(accessibleName);
    m_row->setContentsMargins(0, 0, 0, 0);
    m_row->setSpacing(0);
    connect(m_group, &QButtonGroup::idClicked, this, &SegmentedControl::valueChosen);
}

void SegmentedControl::addSegment(const QString& text, int value) {
    auto* segment = new QPushButton(text, this);
    segment->setObjectName(QStringLiteral("segment"));
    segment->setCheckable(true);
    segment->setAutoDefault(false);
    segment->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_group->addButton(segment, value);
    m_row->addWidget(segment);
    // The sheet rounds only the outer corners of the row.
    const QList<QAbstractButton*> segments = m_group->buttons();
    for (QAbstractButton* button : segments)
        button->setProperty("segment", QStringLiteral("middle"));
    segments.first()->setProperty("segment", QStringLiteral("first"));
    segments.last()->setProperty("segment", segments.size() == 1 ? QStringLiteral("only")
                                                                 : QStringLiteral("last"));
}

void SegmentedControl::setValue(int value) {
    QAbstractButton* chosen = m_group->button(value);
    if (chosen) {
        chosen->setChecked(true);
        return;
    }
    // An exclusive group never unchecks its last button by itself.
    m_group->setExclusive(false);
    for (QAbstractButton* button : m_group->buttons())
        button->setChecked(false);
    m_group->setExclusive(true);
}

int SegmentedControl::value() const {
    return m_group->checkedId();
}
