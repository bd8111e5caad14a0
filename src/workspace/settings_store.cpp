#include "workspace/settings_store.h"

#include "base/starter_code.h"

namespace {

const QString keyTabSize = QStringLiteral("tabSize");
const QString keyUseSpacesForTab = QStringLiteral("useSpacesForTab");
const QString keyAutoIndent = QStringLiteral("autoIndent");
const QString keyShowLineNumbers = QStringLiteral("showLineNumbers");
const QString keyHighlightCurrentLine = QStringLiteral("highlightCurrentLine");
const QString keyWordWrap = QStringLiteral("wordWrap");
const QString keyExecutionTimeout = QStringLiteral("executionTimeout");
const QString keyAutoBracket = QStringLiteral("autoBracket");
const QString keySnippetsEnabled = QStringLiteral("snippetsEnabled");
const QString keyTypingRandomEnabled = QStringLiteral("typingRandomEnabled");
const QString keyFontName = QStringLiteral("fontName");
const QString keyBaekjoonFontSize = QStringLiteral("baekjoonFontSize");
const QString keyHasSeenOnboarding = QStringLiteral("hasSeenOnboarding");

// highlightCurrentLine and wordWrap are shown in the settings but the editor
// neither reads nor needs to hear about them.
bool isEditorKey(const QString& key) {
    static const QStringList keys = {
        keyTabSize,     keyUseSpacesForTab, keyAutoIndent,          keyShowLineNumbers,
        keyAutoBracket, keySnippetsEnabled, keyTypingRandomEnabled, keyFontName,
    };
    return keys.contains(key);
}

} // namespace

SettingsStore::SettingsStore(QObject* parent)
    : QObject(parent), m_settings(QStringLiteral("Corvanta"), QStringLiteral("Corvanta")) {}

// A stored value that does not convert to the key's type (a hand-edited
// settings file, say) reads as the default instead of as zero or false.
QVariant SettingsStore::read(const QString& key, const QVariant& fallback) const {
    const QVariant value = m_settings.value(key);
    if (!value.isValid())
        return fallback;
    bool ok = true;
    switch (fallback.typeId()) {
    case QMetaType::Int:
        value.toInt(&ok);
        return ok ? QVariant(value.toInt()) : fallback;
    case QMetaType::Double:
        value.toDouble(&ok);
        return ok ? QVariant(value.toDouble()) : fallback;
    case QMetaType::Bool: {
        if (value.typeId() == QMetaType::Bool)
            return value;
        const QString text = value.toString();
        if (text == QStringLiteral("true") || text == QStringLiteral("false"))
            return text == QStringLiteral("true");
        return fallback;
    }
    default:
        return value.toString();
    }
}

void SettingsStore::write(const QString& key, const QVariant& value) {
    m_settings.setValue(key, value);
    emit valueChanged(key);
    if (isEditorKey(key))
        emit editorSettingsChanged();
}

int SettingsStore::tabSize() const {
    return read(keyTabSize, 4).toInt();
}
bool SettingsStore::useSpacesForTab() const {
    return read(keyUseSpacesForTab, true).toBool();
}
bool SettingsStore::autoIndent() const {
    return read(keyAutoIndent, true).toBool();
}
bool SettingsStore::showLineNumbers() const {
    return read(keyShowLineNumbers, true).toBool();
}
bool SettingsStore::highlightCurrentLine() const {
    return read(keyHighlightCurrentLine, true).toBool();
}
bool SettingsStore::wordWrap() const {
    return read(keyWordWrap, false).toBool();
}
int SettingsStore::executionTimeout() const {
    return read(keyExecutionTimeout, 5).toInt();
}
bool SettingsStore::autoBracket() const {
    return read(keyAutoBracket, true).toBool();
}
bool SettingsStore::snippetsEnabled() const {
    return read(keySnippetsEnabled, false).toBool();
}
bool SettingsStore::typingRandomEnabled() const {
    return read(keyTypingRandomEnabled, false).toBool();
}
QString SettingsStore::fontName() const {
    return read(keyFontName, QStringLiteral("SF Mono")).toString();
}
double SettingsStore::baekjoonFontSize() const {
    return read(keyBaekjoonFontSize, 13.0).toDouble();
}
bool SettingsStore::hasSeenOnboarding() const {
    return read(keyHasSeenOnboarding, false).toBool();
}

QString SettingsStore::starterTemplate(ProgrammingLanguage language) const {
    const QString key = templateKey(language);
    if (key.isEmpty())
        return {};
    return read(key, registeredDefaultTemplate(language)).toString();
}

void SettingsStore::setTabSize(int value) {
    write(keyTabSize, value);
}
void SettingsStore::setUseSpacesForTab(bool value) {
    write(keyUseSpacesForTab, value);
}
void SettingsStore::setAutoIndent(bool value) {
    write(keyAutoIndent, value);
}
void SettingsStore::setShowLineNumbers(bool value) {
    write(keyShowLineNumbers, value);
}
void SettingsStore::setHighlightCurrentLine(bool value) {
    write(keyHighlightCurrentLine, value);
}
void SettingsStore::setWordWrap(bool value) {
    write(keyWordWrap, value);
}
void SettingsStore::setExecutionTimeout(int value) {
    write(keyExecutionTimeout, value);
}
void SettingsStore::setAutoBracket(bool value) {
    write(keyAutoBracket, value);
}
void SettingsStore::setSnippetsEnabled(bool value) {
    write(keySnippetsEnabled, value);
}
void SettingsStore::setTypingRandomEnabled(bool value) {
    write(keyTypingRandomEnabled, value);
}
void SettingsStore::setFontName(const QString& value) {
    write(keyFontName, value);
}
void SettingsStore::setBaekjoonFontSize(double value) {
    write(keyBaekjoonFontSize, value);
}
void SettingsStore::setHasSeenOnboarding(bool value) {
    write(keyHasSeenOnboarding, value);
}

void SettingsStore::setStarterTemplate(ProgrammingLanguage language, const QString& value) {
    const QString key = templateKey(language);
    if (!key.isEmpty())
        write(key, value);
}

QByteArray SettingsStore::data(const QString& key) const {
    return m_settings.value(key).toByteArray();
}

void SettingsStore::setData(const QString& key, const QByteArray& value) {
    write(key, value);
}

bool SettingsStore::contains(const QString& key) const {
    return m_settings.contains(key);
}

void SettingsStore::clear() {
    m_settings.clear();
    m_settings.sync();
}
