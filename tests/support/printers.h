#pragma once

#include "base/verdict.h"

#include <QByteArray>
#include <QColor>
#include <QString>
#include <QStringList>
#include <QUuid>
#include <QVariant>
#include <optional>
#include <ostream>

// Readable failure messages for the Qt types our assertions compare.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& list, std::ostream* os) {
    *os << '[' << list.join(QStringLiteral(", ")).toStdString() << ']';
}

inline void PrintTo(const QColor& color, std::ostream* os) {
    *os << color.name(QColor::HexArgb).toStdString();
}

inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
    *os << '"' << bytes.toStdString() << '"';
}

inline void PrintTo(const QVariant& value, std::ostream* os) {
    *os << value.typeName() << ' ' << value.toString().toStdString();
}

inline void PrintTo(const Verdict& verdict, std::ostream* os) {
    *os << verdictWord(verdict.kind).toStdString() << " (exit " << verdict.exitCode << ", signal "
        << verdict.signal << ')';
}

inline void PrintTo(const CaseResult& result, std::ostream* os) {
    PrintTo(result.verdict, os);
    *os << " output \"" << result.output.toStdString() << "\" message \""
        << result.message.toStdString() << "\" " << result.wallMs << " ms, " << result.cpuMs
        << " ms CPU, " << result.peakMemoryKiB << " KiB";
}

inline void PrintTo(const QUuid& id, std::ostream* os) {
    *os << id.toString().toStdString();
}
