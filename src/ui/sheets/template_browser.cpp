#include "ui/sheets/template_browser.h"

#include "ui/accessibility.h"
#include "ui/icons.h"
#include "ui/insert_template.h"
#include "ui/sheets/sheet_header.h"

#include <QButtonGroup>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QLabel* wrapped(const QString& text, const char* objectName, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setWordWrap(true);
    return label;
}

} // namespace

TemplateBrowser::TemplateBrowser(Workspace& workspace, QWidget* parent, AlgorithmCategory category)
    : QDialog(parent), m_workspace(workspace), m_category(category) {
    setObjectName(QStringLiteral("templateBrowser"));
    setWindowTitle(QStringLiteral("알고리즘 템플릿"));
    setAccessibleName(QStringLiteral("알고리즘 템플릿"));
    setWindowModality(Qt::WindowModal);
    setFixedSize(700, 500);

    auto* column = new QWidget(this);
    column->setObjectName(QStringLiteral("categoryColumn"));
    auto* buttons = new QVBoxLayout(column);
    buttons->setContentsMargins(8, 8, 8, 8);
    buttons->setSpacing(4);
    m_categories = new QButtonGroup(this);
    for (AlgorithmCategory each : corvanta::allAlgorithmCategories()) {
        auto* button = new QToolButton(column);
        button->setObjectName(QStringLiteral("categoryButton"));
        button->setText(corvanta::rawValue(each));
        button->setIcon(symbolIcon(corvanta::icon(each)));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        button->setCheckable(true);
        m_categories->addButton(button, int(each));
        buttons->addWidget(button);
    }
    buttons->addStretch();
    // Toggled, not clicked: a screen reader's action toggles.
    connect(m_categories, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            showCategory(AlgorithmCategory(id));
    });
    auto* categoryScroll = new ScrollArea(this);
    categoryScroll->setWidget(column);
    categoryScroll->setWidgetResizable(true);
    categoryScroll->setFixedWidth(160);
    categoryScroll->setFrameShape(QFrame::NoFrame);

    m_cards = new ScrollArea(this);
    m_cards->setObjectName(QStringLiteral("templateCards"));
    m_cards->setWidgetResizable(true);
    m_cards->setFrameShape(QFrame::NoFrame);

    auto* divider = new QFrame(this);
    divider->setObjectName(QStringLiteral("divider"));
    auto* body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    body->addWidget(categoryScroll);
    body->addWidget(m_cards, 1);
    auto* layout = new QVBoxLayout(this);
    // The sheet's border stays in sight around the categories and the cards.
    layout->setContentsMargins(1, 0, 1, 1);
    layout->setSpacing(0);
    layout->addWidget(sheetHeader(this, QStringLiteral("알고리즘 템플릿")));
    layout->addWidget(divider);
    layout->addLayout(body, 1);

    showCategory(category);
}

void TemplateBrowser::showCategory(AlgorithmCategory category) {
    m_category = category;
    m_categories->button(int(category))->setChecked(true);
    auto* list = new QWidget(m_cards);
    list->setObjectName(QStringLiteral("cardList"));
    auto* layout = new QVBoxLayout(list);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(12);
    for (const AlgorithmTemplate& algorithm : corvanta::templates(category))
        layout->addWidget(buildCard(algorithm, list));
    layout->addStretch();
    m_cards->setWidget(list);
}

QWidget* TemplateBrowser::buildCard(const AlgorithmTemplate& algorithm, QWidget* parent) {
    auto* card = new QFrame(parent);
    card->setObjectName(QStringLiteral("templateCard"));
    card->setAccessibleName(algorithm.name);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(4);
    texts->addWidget(wrapped(algorithm.name, "cardTitle", card));
    texts->addWidget(wrapped(algorithm.description, "cardDescription", card));
    texts->addWidget(
        wrapped(QStringLiteral("시간복잡도: ") + algorithm.timeComplexity, "complexity", card));
    auto* insert = new QPushButton(QStringLiteral("삽입"), card);
    insert->setObjectName(QStringLiteral("insertButton"));
    insert->setAccessibleDescription(algorithm.name);
    insert->setAutoDefault(false);
    connect(insert, &QPushButton::clicked, this, [this, &algorithm] { this->insert(algorithm); });
    auto* layout = new QHBoxLayout(card);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->addLayout(texts, 1);
    layout->addWidget(insert, 0, Qt::AlignVCenter);
    return card;
}

void TemplateBrowser::insert(const AlgorithmTemplate& algorithm) {
    if (insertTemplate(m_workspace, algorithm))
        accept();
}

void TemplateBrowser::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_categories->button(int(m_category))->setFocus();
}
