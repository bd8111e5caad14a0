#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;

// A window-modal sheet that asks for one name: a title, a field (with a
// fixed suffix after it, such as a file's extension), "취소" and the accept
// button, which is the default so Return accepts. The field has the focus.
// A check may refuse the name with a message; the sheet then stays open
// with the name as typed.
class NameSheet : public QDialog {
    Q_OBJECT

public:
    struct Texts {
        QString title;
        QString field;
        QString accept;
        QString suffix;
    };
    // An empty answer accepts the name.
    using Check = std::function<QString(const QString& name)>;

    NameSheet(const Texts& texts, const QString& name, QWidget* parent);

    void setCheck(Check check) { m_check = std::move(check); }
    QLineEdit* field() const { return m_field; }

signals:
    void nameChosen(const QString& name);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void submit();

    QLineEdit* m_field;
    QLabel* m_error;
    Check m_check;
};
