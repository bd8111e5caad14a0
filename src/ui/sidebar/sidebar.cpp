#include "ui/sidebar/sidebar.h"

#include "models/item_roles.h"
#include "models/workspace_model.h"
#include "ui/accessibility.h"
#include "ui/actions.h"
#include "ui/icons.h"
#include "ui/sidebar/root_drop_area.h"
#include "ui/sidebar/sidebar_commands.h"
#include "ui/sidebar/workspace_tree_view.h"
#include "workspace/workspace.h"

#include <QActionGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton* iconButton(const QString& symbol, const QString& label, QWidget* parent,
                        const QKeySequence& shortcut = {}) {
    auto* button = new QToolButton(parent);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::TabFocus);
    setSymbol(button, symbol, label);
    nameIconButton(button, label, shortcut);
    return button;
}

// A narrow sidebar squeezes the row below the buttons' size hints, which the
// layout then evens out, cutting the longest label ("Java"); a button may
// give up its padding but never a letter.
class QuickCreateButton : public QToolButton {
public:
    using QToolButton::QToolButton;

    QSize minimumSizeHint() const override {
        constexpr int paddingAndBorder = 6; // the language card rule of the style
        return {fontMetrics().horizontalAdvance(text()) + paddingAndBorder,
                QToolButton::minimumSizeHint().height()};
    }
};

} // namespace

Sidebar::Sidebar(Workspace& workspace, QWidget* parent)
    : QWidget(parent), m_workspace(workspace), m_model(new WorkspaceModel(workspace, this)),
      m_commands(new SidebarCommands(workspace, this)) {
    setObjectName(QStringLiteral("sidebar"));
    setAttribute(Qt::WA_StyledBackground);

    m_list = new WorkspaceTreeView(workspace, *m_model, this);
    m_rootDropArea = new RootDropArea(*m_model, this);
    m_emptyState = buildEmptyState();
    connect(m_list, &WorkspaceTreeView::menuRequested, this, &Sidebar::showMenu);
    connect(m_list, &WorkspaceTreeView::addFileRequested, m_commands,
            &SidebarCommands::newFileInFolder);
    connect(m_list, &WorkspaceTreeView::rootDropHovered, m_rootDropArea, &RootDropArea::setHovered);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 8, 0, 8);
    layout->setSpacing(6);
    layout->addWidget(buildHeader());
    layout->addWidget(buildSearch());
    layout->addWidget(buildQuickCreate());
    layout->addWidget(m_list, 1);
    layout->addWidget(m_rootDropArea);
    layout->addWidget(m_emptyState, 1);

    // Only what changes the shape of the column; a file's text does not.
    for (auto signal : {&Workspace::fileAdded, &Workspace::fileRemoved, &Workspace::folderAdded,
                        &Workspace::folderRemoved})
        connect(&workspace, signal, this, &Sidebar::updateParts);
    updateParts();
}

QWidget* Sidebar::buildHeader() {
    auto* header = new QWidget(this);
    header->setObjectName(QStringLiteral("sidebarHeader"));
    auto* title = new QLabel(QStringLiteral("파일"), header);
    title->setObjectName(QStringLiteral("sidebarTitle"));

    const ActionInfo& newFile = actionInfo(ActionId::newFile);
    auto* create = iconButton(newFile.symbol, newFile.label, header, newFile.shortcut);
    create->setObjectName(QStringLiteral("sidebarNewFile"));
    connect(create, &QToolButton::clicked, this, &Sidebar::quickCreateRequested);

    auto* sort = iconButton(QStringLiteral("arrow.up.arrow.down"), QStringLiteral("정렬"), header);
    sort->setObjectName(QStringLiteral("sidebarSort"));
    auto* menu = new QMenu(sort);
    menu->setObjectName(QStringLiteral("sortMenu"));
    auto* orders = new QActionGroup(menu);
    const std::pair<SortOrder, QString> entries[] = {{SortOrder::name, QStringLiteral("이름")},
                                                     {SortOrder::date, QStringLiteral("날짜")},
                                                     {SortOrder::language, QStringLiteral("언어")}};
    for (const auto& [order, text] : entries) {
        QAction* action = menu->addAction(text);
        action->setCheckable(true);
        action->setChecked(order == m_model->sortOrder());
        orders->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, order = order] { m_model->setSortOrder(order); });
    }
    popUpOnPress(sort, menu);

    auto* folder =
        iconButton(QStringLiteral("folder.badge.plus"), QStringLiteral("새 폴더"), header);
    folder->setObjectName(QStringLiteral("sidebarNewFolder"));
    connect(folder, &QToolButton::clicked, m_commands, &SidebarCommands::newFolder);

    auto* layout = new QHBoxLayout(header);
    layout->setContentsMargins(12, 0, 8, 0);
    layout->setSpacing(2);
    layout->addWidget(title);
    layout->addStretch();
    layout->addWidget(create);
    layout->addWidget(sort);
    layout->addWidget(folder);
    return header;
}

QWidget* Sidebar::buildSearch() {
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("sidebarSearch"));
    m_search->setPlaceholderText(QStringLiteral("파일 검색..."));
    m_search->setAccessibleName(QStringLiteral("파일 검색"));
    auto* magnifier = new QAction(symbolIcon(QStringLiteral("magnifyingglass")),
                                  m_search->accessibleName(), m_search);
    m_search->addAction(magnifier, QLineEdit::LeadingPosition);
    connect(magnifier, &QAction::triggered, m_search, qOverload<>(&QLineEdit::setFocus));
    QIcon clearIcon = symbolIcon(QStringLiteral("xmark.circle.fill"));
    auto* clear = new QAction(clearIcon, QStringLiteral("검색어 지우기"), m_search);
    clear->setObjectName(QStringLiteral("clearSearch"));
    m_search->addAction(clear, QLineEdit::TrailingPosition);
    clear->setVisible(false);
    connect(clear, &QAction::triggered, m_search, &QLineEdit::clear);
    connect(m_search, &QLineEdit::textChanged, this, [this, clear](const QString& text) {
        clear->setVisible(!text.isEmpty());
        m_model->setSearchText(text);
        updateParts();
    });

    auto* box = new QWidget(this);
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(10, 0, 10, 0);
    layout->addWidget(m_search);
    return box;
}

QWidget* Sidebar::buildQuickCreate() {
    auto* box = new QWidget(this);
    auto* label = new QLabel(QStringLiteral("빠른 생성"), box);
    label->setObjectName(QStringLiteral("sidebarSection"));
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    for (ProgrammingLanguage language : allLanguages()) {
        auto* button = new QuickCreateButton(box);
        button->setObjectName(QStringLiteral("sidebarCreate_") + fileExtension(language));
        button->setProperty("languageCard", fileExtension(language));
        button->setText(badgeLabel(language));
        button->setAccessibleName(rawValue(language));
        button->setToolTip(rawValue(language));
        button->setFocusPolicy(Qt::TabFocus);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        connect(button, &QToolButton::clicked, this,
                [this, language] { m_workspace.createFileWithDefaultName(language); });
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(12, 4, 10, 4);
    layout->setSpacing(4);
    layout->addWidget(label);
    layout->addLayout(buttons);
    return box;
}

QWidget* Sidebar::buildEmptyState() {
    auto* box = new QWidget(this);
    box->setObjectName(QStringLiteral("sidebarEmpty"));
    auto* icon = new QLabel(box);
    icon->setPixmap(symbolIcon(QStringLiteral("doc.text")).pixmap(32, 32));
    icon->setAlignment(Qt::AlignCenter);
    auto* text = new QLabel(QStringLiteral("파일이 없습니다"), box);
    text->setObjectName(QStringLiteral("emptyText"));
    text->setAlignment(Qt::AlignCenter);
    auto* create = new QPushButton(QStringLiteral("새 파일 만들기"), box);
    create->setObjectName(QStringLiteral("emptyCreate"));
    connect(create, &QPushButton::clicked, this, &Sidebar::quickCreateRequested);

    auto* layout = new QVBoxLayout(box);
    layout->addStretch();
    layout->addWidget(icon);
    layout->addWidget(text);
    layout->addWidget(create, 0, Qt::AlignHCenter);
    layout->addStretch();
    return box;
}

void Sidebar::showMenu(const QModelIndex& index, const QPoint& at) {
    const QUuid id = index.data(IdRole).toUuid();
    if (index.data(IsFolderRole).toBool())
        m_commands->showFolderMenu(id, at);
    else
        m_commands->showFileMenu(id, at);
}

void Sidebar::updateParts() {
    const bool searching = !m_search->text().isEmpty();
    const bool noFiles = m_workspace.files().isEmpty();
    // A folder made in an empty workspace is still shown, above the invitation.
    m_list->setVisible(!noFiles || !m_workspace.folders().isEmpty());
    m_rootDropArea->setVisible(!searching && !m_workspace.folders().isEmpty());
    m_emptyState->setVisible(noFiles);
}
