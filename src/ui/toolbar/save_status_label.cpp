#include "ui/toolbar/save_status_label.h"

#include "workspace/workspace_store.h"

using namespace Qt::StringLiterals;

SaveStatusLabel::SaveStatusLabel(WorkspaceStore& store, QWidget* parent)
    : QLabel(u"⚠️ 저장 실패"_s, parent), m_store(store) {
    setObjectName(u"saveStatus"_s);
    setAccessibleName(text());
    connect(&m_store, &WorkspaceStore::saveErrorChanged, this, &SaveStatusLabel::showError);
    // A save file that could not be kept aside stops saving before the window exists.
    showError(m_store.saveError());
}

void SaveStatusLabel::showError(const QString& error) {
    setToolTip(u"작업 공간을 저장하지 못했습니다. 마지막으로 저장한 뒤의 변경은 아직 "
               u"디스크에 없습니다.\n"_s +
               saveFailureDetails(m_store));
    setAccessibleDescription(toolTip());
    setVisible(!error.isEmpty());
}

QString saveFailureDetails(const WorkspaceStore& store) {
    return u"이유: "_s + store.saveError() + u"\n"_s + store.saveFilePath();
}
