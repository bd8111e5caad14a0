#include "ui/editor/welcome_view.h"

#include "ui/actions.h"
#include "ui/style/style.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* namedLabel(const QString& text, const QString& objectName, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

// A flat button holding the language's badge over its name. The labels are
// decoration: the button is what is pressed and what a screen reader names.
QPushButton* languageCard(ProgrammingLanguage language, QWidget* parent) {
    auto* card = new QPushButton(parent);
    card->setObjectName(QStringLiteral("quickCreate_") + fileExtension(language));
    card->setAccessibleName(rawValue(language));
    card->setFlat(true);
    card->setCursor(Qt::PointingHandCursor);
    card->setMinimumSize(88, 84);
    auto* badge = namedLabel(badgeLabel(language), QStringLiteral("cardBadge"), card);
    badge->setMinimumSize(40, 40);
    setBadge(badge, language);
    auto* name = namedLabel(rawValue(language), QStringLiteral("cardName"), card);
    auto* column = new QVBoxLayout(card);
    for (QLabel* label : {badge, name}) {
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        column->addWidget(label, 0, Qt::AlignHCenter);
    }
    return card;
}

// The key on a grey cap, then what it does; the keys of all rows line up.
void addShortcutHint(QGridLayout* grid, ActionId action, const QString& description,
                     QWidget* parent) {
    const int row = grid->count() / 2;
    grid->addWidget(namedLabel(shortcutText(action), QStringLiteral("shortcutKey"), parent), row, 0,
                    Qt::AlignRight);
    grid->addWidget(namedLabel(description, QStringLiteral("shortcutDescription"), parent), row, 1,
                    Qt::AlignLeft);
}

} // namespace

WelcomeView::WelcomeView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("welcome"));
    setAttribute(Qt::WA_StyledBackground);
    auto* column = new QVBoxLayout(this);
    column->setSpacing(12);
    column->addStretch();
    addGreeting(column);
    column->addSpacing(12);
    addLanguageCards(column);
    column->addSpacing(16);
    addShortcutHints(column);
    column->addStretch();
}

void WelcomeView::addGreeting(QBoxLayout* column) {
    column->addWidget(namedLabel(QStringLiteral("🦦"), QStringLiteral("mascot"), this));
    column->addWidget(namedLabel(QStringLiteral("Corvanta"), QStringLiteral("productName"), this));
    column->addWidget(
        namedLabel(QStringLiteral("일어나~~ 문제풀어야지~~~?"), QStringLiteral("greeting"), this));
}

void WelcomeView::addLanguageCards(QBoxLayout* column) {
    auto* row = new QHBoxLayout();
    row->setSpacing(16);
    row->addStretch();
    for (ProgrammingLanguage language : allLanguages()) {
        QPushButton* card = languageCard(language, this);
        connect(card, &QPushButton::clicked, this,
                [this, language] { emit languageChosen(language); });
        row->addWidget(card);
    }
    row->addStretch();
    column->addLayout(row);
}

void WelcomeView::addShortcutHints(QBoxLayout* column) {
    column->addWidget(
        namedLabel(QStringLiteral("단축키"), QStringLiteral("shortcutHeading"), this));
    auto* grid = new QGridLayout();
    grid->setHorizontalSpacing(8);
    addShortcutHint(grid, ActionId::newFile, QStringLiteral("새 파일"), this);
    addShortcutHint(grid, ActionId::runCode, QStringLiteral("실행"), this);
    addShortcutHint(grid, ActionId::showTemplates, QStringLiteral("템플릿"), this);
    auto* centred = new QHBoxLayout();
    centred->addStretch();
    centred->addLayout(grid);
    centred->addStretch();
    column->addLayout(centred);
}
