#pragma once

#include <QLabel>

class WorkspaceStore;

// The toolbar's warning while the workspace cannot be written, with the
// reason and the file in its tooltip; hidden while saving works.
class SaveStatusLabel : public QLabel {
    Q_OBJECT

public:
    explicit SaveStatusLabel(WorkspaceStore& store, QWidget* parent = nullptr);

private:
    void showError(const QString& error);

    WorkspaceStore& m_store;
};

// Why the last save failed and which file it was.
QString saveFailureDetails(const WorkspaceStore& store);
