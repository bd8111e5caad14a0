#include "base/resource_data.h"

#include <QFile>
#include <QJsonParseError>

namespace {

QByteArray readResource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("cannot read the built-in content %s", qPrintable(path));
        return {};
    }
    return file.readAll();
}

} // namespace

QString resourceText(const QString& path) {
    return QString::fromUtf8(readResource(path));
}

QJsonDocument resourceJson(const QString& path) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(readResource(path), &error);
    if (error.error != QJsonParseError::NoError)
        qWarning("the built-in content %s is not valid JSON: %s at byte %d", qPrintable(path),
                 qPrintable(error.errorString()), error.offset);
    return document;
}
