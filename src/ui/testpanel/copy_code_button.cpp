#include "ui/testpanel/copy_code_button.h"

#include "ui/icons.h"
#include "workspace/workspace.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTimer>

namespace {

constexpr int copiedShownMs = 1500;

} // namespace

CopyCodeButton::CopyCodeButton(Workspace& workspace, QWidget* parent)
    : QPushButton(parent), m_workspace(workspace) {
    setObjectName(QStringLiteral("copyCodeButton"));
    setFocusPolicy(Qt::NoFocus);
    setIcon(symbolIcon(QStringLiteral("doc.on.doc")));
    setText(QStringLiteral("코드 복사"));
    setEnabled(m_workspace.selectedFile());
    connect(&m_workspace, &Workspace::selectedFileChanged, this,
            [this] { setEnabled(m_workspace.selectedFile()); });
    connect(this, &QPushButton::clicked, this, &CopyCodeButton::copy);
}

void CopyCodeButton::copy() {
    const FileItem* file = m_workspace.selectedFile();
    if (!file)
        return;
    QGuiApplication::clipboard()->setText(m_workspace.fileText(file->id));
    setShowCopied(true);
    QTimer::singleShot(copiedShownMs, this, [this] { setShowCopied(false); });
}

void CopyCodeButton::setShowCopied(bool shown) {
    if (m_showCopied == shown)
        return;
    m_showCopied = shown;
    setIcon(symbolIcon(shown ? QStringLiteral("checkmark") : QStringLiteral("doc.on.doc")));
    setText(shown ? QStringLiteral("복사됨!") : QStringLiteral("코드 복사"));
    emit showCopiedChanged(shown);
}
