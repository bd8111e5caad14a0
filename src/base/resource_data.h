#pragma once

#include <QJsonDocument>
#include <QString>

// Built-in content compiled in as Qt resources (":/..."), read as it is stored:
// UTF-8, byte for byte. A missing file or a JSON file that does not parse is
// reported with a warning that names it and reads as empty; the content is
// fixed when the program is built, and its tests catch either.
QString resourceText(const QString& path);
QJsonDocument resourceJson(const QString& path);
