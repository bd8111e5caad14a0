#include "workspace/settings_store.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <limits>
#include <optional>
#include <tuple>
#include <type_traits>

using namespace Qt::StringLiterals;

namespace {

// The numbers the program can use; a stored number outside is clamped into it.
struct Range {
    double low = std::numeric_limits<double>::lowest();
    double high = std::numeric_limits<double>::max();
};

template <typename Group, typename T> struct Field {
    QString key;
    T Group::*member;
    Range range = {};
};

template <typename Group, typename T>
Field<Group, T> field(const QString& key, T Group::*member, Range range = {}) {
    if constexpr (std::is_same_v<T, int>) {
        range.low = std::max<double>(range.low, std::numeric_limits<int>::min());
        range.high = std::min<double>(range.high, std::numeric_limits<int>::max());
    }
    return {key, member, range};
}

template <typename... Fields> struct Table {
    QString group;
    std::tuple<Fields...> fields;
};

template <typename... Fields> Table<Fields...> table(const QString& group, Fields... fields) {
    return {group, {fields...}};
}

template <typename Group> struct Tag {};

QString TemplateSettings::*templateMember(ProgrammingLanguage language) {
    switch (language) {
    case ProgrammingLanguage::c:
        return &TemplateSettings::templateC;
    case ProgrammingLanguage::cpp:
        return &TemplateSettings::templateCpp;
    case ProgrammingLanguage::python:
        return &TemplateSettings::templatePython;
    case ProgrammingLanguage::java:
        return &TemplateSettings::templateJava;
    case ProgrammingLanguage::csharp:
        return &TemplateSettings::templateCSharp;
    case ProgrammingLanguage::txt:
        return nullptr;
    }
    return nullptr;
}

Field<TemplateSettings, QString> templateField(ProgrammingLanguage language) {
    return field(templateKey(language), templateMember(language));
}

// The keys are those of existing settings files: renaming one loses the
// user's choice.
const auto& tableOf(Tag<EditorSettings>) {
    static const auto fields = table(
        u"editor"_s, field(u"fontName"_s, &EditorSettings::fontName),
        field(u"fontSize"_s, &EditorSettings::fontSize, {minEditorFontSize, maxEditorFontSize}),
        field(u"showLineNumbers"_s, &EditorSettings::showLineNumbers),
        field(u"highlightCurrentLine"_s, &EditorSettings::highlightCurrentLine),
        field(u"wordWrap"_s, &EditorSettings::wordWrap));
    return fields;
}

const auto& tableOf(Tag<IndentationSettings>) {
    // Beyond 16 a Tab would insert a screenful of spaces, or try to allocate
    // gigabytes for a hand-edited 2147483647.
    static const auto fields =
        table(u"indentation"_s, field(u"tabSize"_s, &IndentationSettings::tabSize, {1, 16}),
              field(u"useSpacesForTab"_s, &IndentationSettings::useSpacesForTab),
              field(u"autoIndent"_s, &IndentationSettings::autoIndent));
    return fields;
}

const auto& tableOf(Tag<TypingAidSettings>) {
    static const auto fields =
        table(u"typingAids"_s, field(u"autoBracket"_s, &TypingAidSettings::autoBracket),
              field(u"snippetsEnabled"_s, &TypingAidSettings::snippetsEnabled),
              field(u"typingRandomEnabled"_s, &TypingAidSettings::typingRandomEnabled));
    return fields;
}

const auto& tableOf(Tag<ExecutionSettings>) {
    // Beyond a terabyte the limit would overflow the runner's kilobytes.
    static const auto fields = table(
        u"execution"_s, field(u"executionTimeout"_s, &ExecutionSettings::executionTimeout, {0}),
        field(u"memoryLimit"_s, &ExecutionSettings::memoryLimit, {0, 1024 * 1024}));
    return fields;
}

const auto& tableOf(Tag<TemplateSettings>) {
    static const auto fields =
        table(u"templates"_s, templateField(ProgrammingLanguage::c),
              templateField(ProgrammingLanguage::cpp), templateField(ProgrammingLanguage::python),
              templateField(ProgrammingLanguage::java), templateField(ProgrammingLanguage::csharp));
    return fields;
}

const auto& tableOf(Tag<ProblemTabSettings>) {
    // The settings window's slider covers 10 to 24 points.
    static const auto fields =
        table(u"problemTab"_s,
              field(u"baekjoonFontSize"_s, &ProblemTabSettings::baekjoonFontSize, {10, 24}));
    return fields;
}

const auto& tableOf(Tag<ReceivingSettings>) {
    // Port 0 would listen on a different free port every start, one the
    // extension cannot know.
    static const auto fields =
        table(u"receiving"_s, field(u"receiving"_s, &ReceivingSettings::receiving),
              field(u"receivingPort"_s, &ReceivingSettings::port, {1, 65535}));
    return fields;
}

const auto& tableOf(Tag<OnboardingSettings>) {
    static const auto fields = table(
        u"onboarding"_s, field(u"hasSeenOnboarding"_s, &OnboardingSettings::hasSeenOnboarding));
    return fields;
}

using AllGroups =
    std::tuple<EditorSettings, IndentationSettings, TypingAidSettings, ExecutionSettings,
               TemplateSettings, ProblemTabSettings, ReceivingSettings, OnboardingSettings>;

template <typename Function, typename... Groups>
void forEachGroupOf(std::tuple<Groups...>*, Function function) {
    (function(Tag<Groups>()), ...);
}

template <typename Function> void forEachGroup(Function function) {
    forEachGroupOf(static_cast<AllGroups*>(nullptr), function);
}

template <typename Group, typename Function> void forEachField(Function function) {
    std::apply([&](const auto&... fields) { (function(fields), ...); },
               tableOf(Tag<Group>()).fields);
}

template <typename T> constexpr bool isNumber = std::is_arithmetic_v<T> && !std::is_same_v<T, bool>;

// Clamps before converting: a double beyond the int range has no int value.
template <typename T> T clampedNumber(double value, const Range& range) {
    return T(std::clamp(value, range.low, range.high));
}

template <typename T> T clamped(const T& value, const Range& range) {
    if constexpr (isNumber<T>)
        return clampedNumber<T>(value, range);
    else
        return value;
}

// A value written by hand may be anything; one that is not of the key's type
// (a word for a number, a fraction for a count, "yes" for a switch) is
// unusable and the key reads as its default.
template <typename T> std::optional<T> usable(const QVariant& stored, const Range& range) {
    if constexpr (std::is_same_v<T, bool>) {
        if (stored.typeId() == QMetaType::Bool)
            return stored.toBool();
        const QString text = stored.toString();
        if (text == u"true"_s || text == u"false"_s)
            return text == u"true"_s;
        return std::nullopt;
    } else if constexpr (std::is_same_v<T, QString>) {
        if (stored.typeId() == QMetaType::QString)
            return stored.toString();
        return std::nullopt;
    } else {
        bool ok = false;
        const double number = stored.toDouble(&ok);
        if (!ok || !std::isfinite(number))
            return std::nullopt;
        if (std::is_integral_v<T> && std::trunc(number) != number)
            return std::nullopt;
        return clampedNumber<T>(number, range);
    }
}

template <typename T> QString typeName() {
    if constexpr (std::is_same_v<T, bool>)
        return u"boolean"_s;
    else if constexpr (std::is_same_v<T, int>)
        return u"integer"_s;
    else if constexpr (std::is_same_v<T, double>)
        return u"double"_s;
    else
        return u"string"_s;
}

template <typename Group> void describeDefaults(QJsonArray& rows) {
    const Group defaults;
    forEachField<Group>([&](const auto& field) {
        using T = std::remove_cvref_t<decltype(defaults.*field.member)>;
        QJsonObject row{{u"group"_s, tableOf(Tag<Group>()).group},
                        {u"key"_s, field.key},
                        {u"type"_s, typeName<T>()},
                        {u"default"_s, defaults.*field.member}};
        if constexpr (isNumber<T>) {
            row.insert(u"min"_s, clampedNumber<T>(field.range.low, field.range));
            row.insert(u"max"_s, clampedNumber<T>(field.range.high, field.range));
        }
        rows.append(row);
    });
}

} // namespace

QString TemplateSettings::text(ProgrammingLanguage language) const {
    const auto member = templateMember(language);
    return member ? this->*member : QString();
}

void TemplateSettings::setText(ProgrammingLanguage language, const QString& text) {
    if (const auto member = templateMember(language))
        this->*member = text;
}

SettingsStore::SettingsStore(QObject* parent) : QObject(parent) {}

template <typename Group> Group SettingsStore::load() const {
    Group group;
    forEachField<Group>([&](const auto& field) {
        using T = std::remove_cvref_t<decltype(group.*field.member)>;
        if (const std::optional<T> value = usable<T>(m_settings.value(field.key), field.range))
            group.*field.member = *value;
    });
    return group;
}

template <typename Group> void SettingsStore::save(Group value) {
    const Group current = load<Group>();
    forEachField<Group>([&](const auto& field) {
        auto& member = value.*field.member;
        member = clamped(member, field.range);
        // A key whose value stays is left alone: a default is never written,
        // and an out-of-range number the user did not touch stays as typed.
        if (member != current.*field.member)
            m_settings.setValue(field.key, member);
    });
    if (value != current)
        announce(value);
}

EditorSettings SettingsStore::editor() const {
    return load<EditorSettings>();
}
IndentationSettings SettingsStore::indentation() const {
    return load<IndentationSettings>();
}
TypingAidSettings SettingsStore::typingAids() const {
    return load<TypingAidSettings>();
}
ExecutionSettings SettingsStore::execution() const {
    return load<ExecutionSettings>();
}
TemplateSettings SettingsStore::templates() const {
    return load<TemplateSettings>();
}
ProblemTabSettings SettingsStore::problemTab() const {
    return load<ProblemTabSettings>();
}
ReceivingSettings SettingsStore::receiving() const {
    return load<ReceivingSettings>();
}
OnboardingSettings SettingsStore::onboarding() const {
    return load<OnboardingSettings>();
}

void SettingsStore::setEditor(const EditorSettings& value) {
    save(value);
}
void SettingsStore::setIndentation(const IndentationSettings& value) {
    save(value);
}
void SettingsStore::setTypingAids(const TypingAidSettings& value) {
    save(value);
}
void SettingsStore::setExecution(const ExecutionSettings& value) {
    save(value);
}
void SettingsStore::setTemplates(const TemplateSettings& value) {
    save(value);
}
void SettingsStore::setProblemTab(const ProblemTabSettings& value) {
    save(value);
}
void SettingsStore::setReceiving(const ReceivingSettings& value) {
    save(value);
}
void SettingsStore::setOnboarding(const OnboardingSettings& value) {
    save(value);
}

QByteArray SettingsStore::data(const QString& key) const {
    return m_settings.value(key).toByteArray();
}

void SettingsStore::setData(const QString& key, const QByteArray& value) {
    m_settings.setValue(key, value);
}

bool SettingsStore::contains(const QString& key) const {
    return m_settings.contains(key);
}

void SettingsStore::clear() {
    AllGroups before;
    forEachGroup([&]<typename Group>(Tag<Group>) { std::get<Group>(before) = load<Group>(); });
    m_settings.clear();
    m_settings.sync();
    forEachGroup([&]<typename Group>(Tag<Group>) {
        const Group now = load<Group>();
        if (now != std::get<Group>(before))
            announce(now);
    });
}

QByteArray settingsDefaultsJson() {
    QJsonArray rows;
    forEachGroup([&]<typename Group>(Tag<Group>) { describeDefaults<Group>(rows); });
    return QJsonDocument(rows).toJson(QJsonDocument::Indented);
}
