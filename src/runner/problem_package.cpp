#include "runner/problem_package.h"

#include <QCollator>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <yaml-cpp/yaml.h>

using namespace Qt::StringLiterals;

namespace {

using Expected = ProblemPackage::Expected;
using Validation = ProblemPackage::Validation;

constexpr Expected allExpected[] = {Expected::accepted, Expected::wrongAnswer,
                                    Expected::runTimeError, Expected::timeLimitExceeded};

void sortNaturally(QStringList& names) {
    QCollator naturalOrder(QLocale(QLocale::English));
    naturalOrder.setNumericMode(true);
    std::sort(names.begin(), names.end(), naturalOrder);
}

QString text(const YAML::Node& node) {
    return QString::fromStdString(node.as<std::string>());
}

// The keys we use, read from problem.yaml; the rest of the file is ignored.
// yaml-cpp throws on malformed text and on values of the wrong type.
bool readProblemYaml(const QString& path, ProblemPackage& package, QString* error) {
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        *error = path + u": "_s + file.errorString();
        return false;
    }
    try {
        const YAML::Node root = YAML::Load(file.readAll().toStdString());
        if (!root.IsDefined() || root.IsNull())
            return true;
        if (!root.IsMap()) {
            *error = path + u": 최상위가 키와 값의 표가 아닙니다"_s;
            return false;
        }
        if (const YAML::Node name = root["name"]; name && name.IsScalar())
            package.name = text(name);
        // Two generations of the format: "validation: custom interactive" and
        // "type: interactive".
        QStringList words;
        for (const char* key : {"validation", "type"}) {
            if (const YAML::Node node = root[key]; node && node.IsScalar())
                words += text(node).split(u' ', Qt::SkipEmptyParts);
            else if (node && node.IsSequence())
                for (const YAML::Node& word : node)
                    words += text(word);
        }
        if (words.contains(u"score"_s) || words.contains(u"scoring"_s)) {
            *error = path + u": 점수제 문제는 지원하지 않습니다"_s;
            return false;
        }
        if (words.contains(u"interactive"_s))
            package.validation = Validation::interactive;
        else if (words.contains(u"custom"_s))
            package.validation = Validation::custom;
        if (const YAML::Node flags = root["validator_flags"]; flags && flags.IsScalar())
            package.validatorFlags = text(flags).split(u' ', Qt::SkipEmptyParts);
        if (const YAML::Node limits = root["limits"]; limits && limits.IsMap()) {
            if (limits["time_limit"])
                package.timeLimitSeconds = limits["time_limit"].as<double>();
            if (limits["time_multiplier"])
                package.timeMultiplier = limits["time_multiplier"].as<double>();
            if (limits["memory"])
                package.memoryMegabytes = limits["memory"].as<int>();
        }
    } catch (const YAML::Exception& exception) {
        *error = path + u": "_s + QString::fromStdString(exception.what());
        return false;
    }
    return true;
}

std::optional<double> readTimeLimitFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    bool ok = false;
    const double seconds = QString::fromUtf8(file.readAll()).trimmed().toDouble(&ok);
    return ok ? std::optional(seconds) : std::nullopt;
}

// The validator's folder: output_validators/NAME/ (one) or output_validator/.
QString validatorFolder(const QDir& package) {
    const QDir several(package.filePath(u"output_validators"_s));
    const QStringList names = several.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    if (!names.isEmpty())
        return several.filePath(names.first());
    const QString single = package.filePath(u"output_validator"_s);
    return QFileInfo(single).isDir() ? single : QString();
}

bool findValidator(const QDir& package, ProblemPackage& result, QString* error) {
    const QString folder = validatorFolder(package);
    if (folder.isEmpty()) {
        if (result.validation == Validation::standard)
            return true;
        *error = package.path() + u": 문제가 출력 검증기를 요구하지만 output_validators/ 가 "
                                  u"없습니다"_s;
        return false;
    }
    QStringList sources;
    for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files, QDir::Name)) {
        const std::optional<ProgrammingLanguage> language =
            languageFromExtension(file.suffix().toLower());
        if (language && isRunnable(*language)) {
            sources.append(file.absoluteFilePath());
            result.validatorLanguage = *language;
        }
    }
    if (sources.size() != 1) {
        *error = folder +
                 u": 출력 검증기는 C, C++, Python, Java, C# 소스 파일 하나여야 "
                 u"합니다 (찾은 파일 "_s +
                 QString::number(sources.size()) + u"개)"_s;
        return false;
    }
    result.validatorPath = sources.first();
    if (result.validation == Validation::standard)
        result.validation = Validation::custom;
    return true;
}

void findCases(const QDir& data, const QString& group, QList<ProblemPackage::Case>& cases) {
    QStringList inputs;
    QDirIterator it(data.filePath(group), {u"*.in"_s}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        inputs.append(data.relativeFilePath(it.next()));
    sortNaturally(inputs);
    for (const QString& input : inputs) {
        const QString name = input.chopped(3);
        const QString answer = data.filePath(name + u".ans"_s);
        cases.append({name, data.filePath(input), QFileInfo::exists(answer) ? answer : QString()});
    }
}

void findSubmissions(const QDir& package, QList<ProblemPackage::Submission>& submissions) {
    for (const Expected expected : allExpected) {
        const QDir folder(package.filePath(u"submissions/"_s + expectedFolderName(expected)));
        QStringList files = folder.entryList(QDir::Files);
        sortNaturally(files);
        for (const QString& file : files) {
            const std::optional<ProgrammingLanguage> language =
                languageFromExtension(QFileInfo(file).suffix().toLower());
            if (language && isRunnable(*language))
                submissions.append({folder.filePath(file), *language, expected});
        }
    }
}

} // namespace

QString expectedFolderName(ProblemPackage::Expected expected) {
    switch (expected) {
    case Expected::accepted:
        return u"accepted"_s;
    case Expected::wrongAnswer:
        return u"wrong_answer"_s;
    case Expected::runTimeError:
        return u"run_time_error"_s;
    case Expected::timeLimitExceeded:
        return u"time_limit_exceeded"_s;
    }
    return {};
}

std::optional<ProblemPackage> ProblemPackage::load(const QString& folder, QString* error) {
    // Absolute, so every path found in it is too, whatever the folder was given as.
    const QDir package(QFileInfo(folder).absoluteFilePath());
    if (!package.exists()) {
        *error = folder + u": 폴더가 없습니다"_s;
        return std::nullopt;
    }
    ProblemPackage result;
    result.folder = package.absolutePath();
    result.name = package.dirName();
    if (!readProblemYaml(package.filePath(u"problem.yaml"_s), result, error) ||
        !findValidator(package, result, error))
        return std::nullopt;
    if (!result.timeLimitSeconds)
        result.timeLimitSeconds = readTimeLimitFile(package.filePath(u".timelimit"_s));
    const QDir data(package.filePath(u"data"_s));
    findCases(data, u"sample"_s, result.cases);
    findCases(data, u"secret"_s, result.cases);
    findSubmissions(package, result.submissions);
    return result;
}
