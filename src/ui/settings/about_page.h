#pragma once

#include <QWidget>
#include <functional>

class WorkspaceStore;

// The about tab: the product, its version and features, and the two resets.
// Each reset asks first; only a confirmation runs it, and then the page
// announces `resetDone` so the settings window closes.
class AboutPage : public QWidget {
    Q_OBJECT

public:
    explicit AboutPage(WorkspaceStore& store, QWidget* parent = nullptr);

signals:
    void resetDone();

private:
    QWidget* buildProduct();
    QWidget* resetRow(const QString& title, const QString& captionText, const QString& button,
                      const QString& objectName, const std::function<void()>& onClick);
    void confirm(const QString& title, const QString& question, const QString& confirmText,
                 void (WorkspaceStore::*reset)());

    WorkspaceStore& m_store;
};
