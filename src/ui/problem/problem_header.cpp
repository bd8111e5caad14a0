#include "ui/problem/problem_header.h"

#include "problems/baekjoon_problem.h"
#include "ui/icons.h"
#include "ui/style/problem_sheet.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QFont sized(QFont font, double points, bool bold) {
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QLabel* label(const QString& text, const char* objectName, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(objectName));
    // Page text is shown as written, never as markup.
    label->setTextFormat(Qt::PlainText);
    return label;
}

QPushButton* link(const QString& text, const QString& symbol, const QUrl& url, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QStringLiteral("problemLink"));
    button->setIcon(symbolIcon(symbol));
    button->setCursor(Qt::PointingHandCursor);
    button->setToolTip(url.toString());
    QObject::connect(button, &QPushButton::clicked, button,
                     [url] { QDesktopServices::openUrl(url); });
    return button;
}

} // namespace

ProblemHeader::ProblemHeader(const CachedBaekjoonProblem& problem, const ProblemLinks& links,
                             double fontSize, QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);

    auto* top = new QHBoxLayout;
    top->setSpacing(8);
    QLabel* number = label(u'#' + problem.number, "problemNumberHeading", this);
    number->setFont(sized(font(), fontSize + 3, true));
    top->addWidget(number);
    if (problem.tier) {
        QLabel* badge = label(badgeName(*problem.tier), "tierBadge", this);
        badge->setFont(sized(font(), fontSize, true));
        badge->setAccessibleName(displayName(*problem.tier));
        setTierColour(badge, *problem.tier);
        top->addWidget(badge);
    }
    const std::pair<const char*, const std::optional<QString>*> limits[] = {
        {"시간 제한 ", &problem.timeLimit},
        {"메모리 제한 ", &problem.memoryLimit},
    };
    for (const auto& [caption, value] : limits) {
        if (*value)
            top->addWidget(label(QString::fromUtf8(caption) + **value, "limitChip", this));
    }
    top->addStretch();
    top->addWidget(link(QStringLiteral("웹에서 보기"), QStringLiteral("safari"), links.page, this));
    top->addWidget(link(QStringLiteral("반례 찾기"), QStringLiteral("exclamationmark.bubble"),
                        links.testCases, this));
    layout->addLayout(top);

    QLabel* title = label(problem.title, "problemTitle", this);
    title->setFont(sized(font(), fontSize + 5, true));
    title->setWordWrap(true);
    title->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(title);
}
