#include "ui/sheets/quick_create_overlay.h"

#include "ui/sheets/language_badge.h"
#include "workspace/workspace.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const QString defaultBaseName = QStringLiteral("solution");
constexpr int panelWidth = 300;
} // namespace

QuickCreateOverlay::QuickCreateOverlay(Workspace& workspace, QWidget* parent)
    : QWidget(parent), m_workspace(workspace) {
    setObjectName(QStringLiteral("quickCreateOverlay"));
    setAccessibleName(QStringLiteral("빠른 파일 생성"));
    hide();

    m_panel = new QFrame(this);
    m_panel->setObjectName(QStringLiteral("sheetPanel"));
    m_panel->setFrameShape(QFrame::StyledPanel);
    m_panel->setAutoFillBackground(true);
    m_panel->setBackgroundRole(QPalette::Window);
    m_panel->setFixedWidth(panelWidth);

    auto* title = new QLabel(QStringLiteral("빠른 파일 생성"), m_panel);
    title->setObjectName(QStringLiteral("sheetTitle"));
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
    title->setFont(titleFont);

    m_name = new QLineEdit(defaultBaseName, m_panel);
    m_name->setObjectName(QStringLiteral("fileNameField"));
    m_name->setPlaceholderText(QStringLiteral("파일 이름"));
    m_name->setAccessibleName(QStringLiteral("파일 이름"));
    m_extension = new QLabel(m_panel);
    m_extension->setObjectName(QStringLiteral("fileExtension"));
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(m_name, 1);
    nameRow->addWidget(m_extension);

    m_languages = new QButtonGroup(this);
    auto* languageRow = new QHBoxLayout;
    languageRow->setSpacing(2);
    for (ProgrammingLanguage language : allLanguages()) {
        QToolButton* button = makeLanguageButton(language, m_panel);
        m_languages->addButton(button);
        languageRow->addWidget(button);
        connect(button, &QToolButton::clicked, this, [this, language] {
            chooseLanguage(language);
            m_name->setFocus();
        });
    }

    auto* cancel = new QPushButton(QStringLiteral("취소"), m_panel);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    auto* create = new QPushButton(QStringLiteral("생성 (⏎)"), m_panel);
    create->setObjectName(QStringLiteral("createButton"));
    create->setAccessibleName(QStringLiteral("생성"));
    create->setProperty("primary", true);
    connect(cancel, &QPushButton::clicked, this, &QWidget::hide);
    connect(create, &QPushButton::clicked, this, &QuickCreateOverlay::create);
    connect(m_name, &QLineEdit::returnPressed, this, &QuickCreateOverlay::create);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addWidget(create);

    auto* layout = new QVBoxLayout(m_panel);
    layout->setContentsMargins(20, 18, 20, 18);
    layout->setSpacing(12);
    layout->addWidget(title);
    layout->addLayout(nameRow);
    layout->addLayout(languageRow);
    layout->addLayout(buttons);

    auto* centre = new QVBoxLayout(this);
    centre->addStretch();
    centre->addWidget(m_panel, 0, Qt::AlignHCenter);
    centre->addStretch();

    parent->installEventFilter(this);
}

void QuickCreateOverlay::open() {
    if (!isVisible())
        m_returnFocus = QApplication::focusWidget();
    m_name->setText(defaultBaseName);
    chooseLanguage(ProgrammingLanguage::cpp);
    setGeometry(parentWidget()->rect());
    show();
    raise();
    m_name->setFocus();
    m_name->selectAll();
}

void QuickCreateOverlay::chooseLanguage(ProgrammingLanguage language) {
    m_language = language;
    m_extension->setText(QLatin1Char('.') + fileExtension(language));
    for (QAbstractButton* button : m_languages->buttons())
        button->setChecked(button->accessibleName() == rawValue(language));
}

void QuickCreateOverlay::create() {
    // The new file's editor takes the keyboard, not the widget that had it before.
    m_returnFocus = nullptr;
    m_workspace.createFile(m_name->text() + QLatin1Char('.') + fileExtension(m_language),
                           m_language);
    hide();
}

bool QuickCreateOverlay::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void QuickCreateOverlay::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

void QuickCreateOverlay::mousePressEvent(QMouseEvent* event) {
    if (!m_panel->geometry().contains(event->position().toPoint()))
        hide();
}

void QuickCreateOverlay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // A deep shade of the window's own colour dims light and dark themes alike.
    QColor dim = palette().color(QPalette::Window).darker(400);
    dim.setAlphaF(0.45f);
    painter.fillRect(rect(), dim);
}

// Typing goes on where it was before the overlay opened (the editor, usually).
void QuickCreateOverlay::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (m_returnFocus)
        m_returnFocus->setFocus();
}
