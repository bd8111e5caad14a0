#include "ui/sidebar/sidebar_commands.h"

#include "ui/icons.h"
#include "ui/sidebar/folder_file_sheet.h"
#include "ui/sidebar/name_sheet.h"
#include "workspace/file_operations.h"
#include "workspace/workspace.h"

#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

namespace {

const QString renameText = QStringLiteral("이름 변경");
const QString deleteText = QStringLiteral("삭제");

QString extensionSuffix(const FileItem& file) {
    return QLatin1Char('.') + fileExtension(file.language);
}

QMenu* popUp(QMenu* menu, const QPoint& at) {
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(at);
    return menu;
}

} // namespace

SidebarCommands::SidebarCommands(Workspace& workspace, QWidget* parent)
    : QObject(parent), m_workspace(workspace), m_parent(parent) {}

QMenu* SidebarCommands::showFileMenu(const QUuid& fileId, const QPoint& at) {
    auto* menu = new QMenu(m_parent);
    menu->setObjectName(QStringLiteral("fileMenu"));
    menu->addAction(symbolIcon(QStringLiteral("pencil")), renameText, this,
                    [this, fileId] { renameFile(fileId); });
    menu->addAction(symbolIcon(QStringLiteral("doc.on.doc")), QStringLiteral("복제"), this,
                    [this, fileId] { m_workspace.duplicateFile(fileId); });
    menu->addAction(symbolIcon(QStringLiteral("trash")), deleteText, this,
                    [this, fileId] { askToDeleteFile(fileId); });
    return popUp(menu, at);
}

QMenu* SidebarCommands::showFolderMenu(const QUuid& folderId, const QPoint& at) {
    auto* menu = new QMenu(m_parent);
    menu->setObjectName(QStringLiteral("folderMenu"));
    menu->addAction(symbolIcon(QStringLiteral("doc.badge.plus")), QStringLiteral("새 파일 추가"),
                    this, [this, folderId] { newFileInFolder(folderId); });
    menu->addAction(symbolIcon(QStringLiteral("pencil")), renameText, this,
                    [this, folderId] { renameFolder(folderId); });
    menu->addAction(symbolIcon(QStringLiteral("trash")), deleteText, this,
                    [this, folderId] { askToDeleteFolder(folderId); });
    return popUp(menu, at);
}

void SidebarCommands::askToDelete(const QString& title, const QString& question,
                                  std::function<void()> onDelete) {
    auto* box =
        new QMessageBox(QMessageBox::Warning, title, question, QMessageBox::NoButton, m_parent);
    box->setObjectName(QStringLiteral("deleteConfirmation"));
    box->setAccessibleName(title);
    box->setWindowModality(Qt::WindowModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton* cancel = box->addButton(QStringLiteral("취소"), QMessageBox::RejectRole);
    QPushButton* confirm = box->addButton(deleteText, QMessageBox::DestructiveRole);
    confirm->setObjectName(QStringLiteral("destructiveButton"));
    // Return keeps the files; deleting takes a deliberate choice.
    box->setDefaultButton(cancel);
    box->setEscapeButton(cancel);
    connect(confirm, &QPushButton::clicked, this, std::move(onDelete));
    box->open();
}

void SidebarCommands::askToDeleteFile(const QUuid& fileId) {
    const FileItem* file = m_workspace.file(fileId);
    if (!file)
        return;
    askToDelete(QStringLiteral("파일 삭제"), fileDeleteConfirmation(*file),
                [this, fileId] { m_workspace.deleteFile(fileId); });
}

void SidebarCommands::askToDeleteFolder(const QUuid& folderId) {
    const FolderItem* folder = m_workspace.folder(folderId);
    if (!folder)
        return;
    askToDelete(QStringLiteral("폴더 삭제"), folderDeleteConfirmation(*folder, m_workspace.files()),
                [this, folderId] { m_workspace.deleteFolder(folderId); });
}

void SidebarCommands::renameFile(const QUuid& fileId) {
    const FileItem* file = m_workspace.file(fileId);
    if (!file)
        return;
    const QString suffix = extensionSuffix(*file);
    const QString base =
        file->name.endsWith(suffix) ? file->name.chopped(suffix.size()) : file->name;
    auto* sheet = new NameSheet({QStringLiteral("파일 이름 변경"), QStringLiteral("파일 이름"),
                                 QStringLiteral("변경"), suffix},
                                base, m_parent);
    // The workspace ignores a name another file has; saying so beats a
    // sheet that closes as if the rename had worked.
    sheet->setCheck([this, fileId, suffix](const QString& name) {
        for (const FileItem& other : m_workspace.files()) {
            if (other.id != fileId && other.name == name + suffix)
                return QStringLiteral("같은 이름의 파일이 이미 있습니다.");
        }
        return QString();
    });
    connect(sheet, &NameSheet::nameChosen, this,
            [this, fileId](const QString& name) { m_workspace.renameFile(fileId, name); });
    sheet->open();
}

void SidebarCommands::renameFolder(const QUuid& folderId) {
    const FolderItem* folder = m_workspace.folder(folderId);
    if (!folder)
        return;
    auto* sheet = new NameSheet(
        {QStringLiteral("폴더 이름 변경"), QStringLiteral("폴더 이름"), QStringLiteral("변경"), {}},
        folder->name, m_parent);
    connect(sheet, &NameSheet::nameChosen, this,
            [this, folderId](const QString& name) { m_workspace.renameFolder(folderId, name); });
    sheet->open();
}

void SidebarCommands::newFileInFolder(const QUuid& folderId) {
    if (!m_workspace.folder(folderId))
        return;
    auto* sheet = new FolderFileSheet(m_workspace, folderId, m_parent);
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    sheet->open();
}

void SidebarCommands::newFolder() {
    auto* sheet = new NameSheet(
        {QStringLiteral("새 폴더"), QStringLiteral("폴더 이름"), QStringLiteral("생성"), {}}, {},
        m_parent);
    connect(sheet, &NameSheet::nameChosen, this,
            [this](const QString& name) { m_workspace.createFolder(name); });
    sheet->open();
}
