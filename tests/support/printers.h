#pragma once

#include <QByteArray>
#include <QString>
#include <QUuid>
#include <QVariant>
#include <optional>
#include <ostream>

// Readable failure messages for the Qt types our assertions compare.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
    *os << '"' << bytes.toStdString() << '"';
}

inline void PrintTo(const QVariant& value, std::ostream* os) {
    *os << value.typeName() << ' ' << value.toString().toStdString();
}

inline void PrintTo(const QUuid& id, std::ostream* os) {
    *os << id.toString().toStdString();
}
