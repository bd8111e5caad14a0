#pragma once

#include <QByteArray>
#include <QString>
#include <QUuid>
#include <optional>
#include <ostream>

// Readable failure messages for the Qt types our assertions compare.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
    *os << '"' << bytes.toStdString() << '"';
}

inline void PrintTo(const QUuid& id, std::ostream* os) {
    *os << id.toString().toStdString();
}
