#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QUuid>

class CaseBook;
struct TestCase;

// The test panel's rows: one per test case, in list order, answering the
// test-case roles of item_roles.h. Input and expected output are editable
// and written straight into the case. Adding, deleting and each result of a
// run touch one row; only replacing the whole list (the problem's samples,
// "delete all") resets the model.
class CaseModel : public QAbstractListModel {
    Q_OBJECT

public:
    explicit CaseModel(CaseBook& book, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void added(const QUuid& id);
    void removed(const QUuid& id);
    void changed(const QUuid& id);
    void replaced();
    const TestCase* caseAt(int row) const;

    CaseBook& m_book;
    // The rows as the views last heard of them.
    QList<QUuid> m_cases;
};
