#include "models/case_model.h"

#include "models/item_roles.h"
#include "workspace/case_book.h"

namespace {

template <typename T> QVariant optionalValue(const std::optional<T>& value) {
    return value ? QVariant::fromValue(*value) : QVariant();
}

QList<QUuid> idsOf(const QList<TestCase>& testCases) {
    QList<QUuid> ids;
    ids.reserve(testCases.size());
    for (const TestCase& testCase : testCases)
        ids.append(testCase.id);
    return ids;
}

} // namespace

CaseModel::CaseModel(CaseBook& book, QObject* parent)
    : QAbstractListModel(parent), m_book(book), m_cases(idsOf(book.testCases())) {
    connect(&book, &CaseBook::testCaseAdded, this, &CaseModel::added);
    connect(&book, &CaseBook::testCaseRemoved, this, &CaseModel::removed);
    connect(&book, &CaseBook::testCaseChanged, this, &CaseModel::changed);
    connect(&book, &CaseBook::testCasesReplaced, this, &CaseModel::replaced);
}

int CaseModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_cases.size());
}

const TestCase* CaseModel::caseAt(int row) const {
    // The rows and the state's list agree except while a removal is being
    // announced; the lookup by id covers that moment.
    const QList<TestCase>& cases = m_book.testCases();
    if (row < cases.size() && cases[row].id == m_cases[row])
        return &cases[row];
    return m_book.testCase(m_cases[row]);
}

QVariant CaseModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const TestCase* testCase = caseAt(index.row());
    if (!testCase)
        return {};
    switch (role) {
    case IdRole:
        return testCase->id;
    case InputRole:
        return testCase->input;
    case ExpectedOutputRole:
        return testCase->expectedOutput;
    case ResultRole:
        return optionalValue(testCase->result);
    case ComparisonRole: {
        const JudgeChoice& choice = m_book.judgeChoice();
        return choice.program == JudgeChoice::Program::none ? choice.comparison : QString();
    }
    default:
        return {};
    }
}

bool CaseModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) ||
        (role != InputRole && role != ExpectedOutputRole))
        return false;
    const TestCase* current = caseAt(index.row());
    if (!current)
        return false;
    TestCase edited = *current;
    (role == InputRole ? edited.input : edited.expectedOutput) = value.toString();
    m_book.updateTestCase(edited);
    return true;
}

Qt::ItemFlags CaseModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return QAbstractListModel::flags(index);
    return QAbstractListModel::flags(index) | Qt::ItemIsEditable;
}

void CaseModel::added(const QUuid& id) {
    const int row = int(m_cases.size());
    beginInsertRows({}, row, row);
    m_cases.append(id);
    endInsertRows();
}

void CaseModel::removed(const QUuid& id) {
    const int row = int(m_cases.indexOf(id));
    if (row < 0)
        return;
    beginRemoveRows({}, row, row);
    m_cases.removeAt(row);
    endRemoveRows();
}

void CaseModel::changed(const QUuid& id) {
    const int row = int(m_cases.indexOf(id));
    if (row >= 0)
        emit dataChanged(index(row), index(row));
}

void CaseModel::replaced() {
    beginResetModel();
    m_cases = idsOf(m_book.testCases());
    endResetModel();
}
