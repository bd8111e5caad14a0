#include "ui/problem/sample_row.h"

#include "editor/code_font.h"
#include "problems/baekjoon_problem.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QLabel* label(const QString& text, const QString& objectName, const QFont& font, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    return label;
}

QWidget* ioField(const QString& title, const QString& content, double fontSize, QWidget* parent) {
    auto* field = new QWidget(parent);
    auto* layout = new QVBoxLayout(field);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);

    QFont titleFont = field->font();
    titleFont.setPointSizeF(fontSize - 2);
    titleFont.setWeight(QFont::Medium);
    layout->addWidget(label(title, QStringLiteral("ioTitle"), titleFont, field));

    QFont mono = fixedPitchFont();
    mono.setPointSizeF(fontSize);
    QLabel* box = label(content, QStringLiteral("ioContent"), mono, field);
    box->setAccessibleName(title);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    box->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    layout->addWidget(box);
    return field;
}

} // namespace

SampleRow::SampleRow(int index, const ProblemSample& sample, double fontSize, QWidget* parent)
    : QFrame(parent) {
    setObjectName(QStringLiteral("sampleRow"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 12);
    layout->setSpacing(8);

    QFont heading = font();
    heading.setPointSizeF(fontSize - 1);
    heading.setWeight(QFont::DemiBold);
    layout->addWidget(label(QStringLiteral("예제 ") + QString::number(index + 1),
                            QStringLiteral("sampleLabel"), heading, this));

    auto* fields = new QHBoxLayout;
    fields->setSpacing(12);
    fields->addWidget(ioField(QStringLiteral("입력"), sample.input, fontSize, this), 1,
                      Qt::AlignTop);
    fields->addWidget(ioField(QStringLiteral("출력"), sample.output, fontSize, this), 1,
                      Qt::AlignTop);
    layout->addLayout(fields);
}
