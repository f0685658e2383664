#include "files/calculation_file.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <type_traits>
#include <utility>

namespace retencion {
namespace {

const QString kFormat = QStringLiteral("retencion");

// Texts typed under one decimal separator read the same value under the
// other once every point and comma trade places; a result's digit groups
// then show as that setting groups them too.
QString swapSeparators(QString text)
{
    for (QChar& c : text) {
        if (c == QLatin1Char('.'))
            c = QLatin1Char(',');
        else if (c == QLatin1Char(','))
            c = QLatin1Char('.');
    }
    return text;
}

bool isPointOrComma(const QString& s)
{
    return s == QLatin1String(".") || s == QLatin1String(",");
}

QJsonObject textsObject(const QMap<QString, QString>& texts)
{
    QJsonObject object;
    for (auto it = texts.begin(); it != texts.end(); ++it)
        object.insert(it.key(), it.value());
    return object;
}

// The project's texts by their keys in the file.
template <typename Project> auto projectTexts(Project& data)
{
    using Text = std::conditional_t<std::is_const_v<Project>, const QString*, QString*>;
    return std::array<std::pair<const char*, Text>, 4>{
        {{"name", &data.name}, {"location", &data.location}, {"author", &data.author}, {"notes", &data.notes}}};
}

// The reading of one file: every refusal is a sentence kept in `m_error`,
// the first one found.
class Reader {
public:
    explicit Reader(bool swap) : m_swap(swap) {}

    std::optional<QMap<QString, QString>> texts(const QJsonValue& value, const QString& where)
    {
        QMap<QString, QString> texts;
        if (value.isUndefined()) return texts;
        if (!value.isObject()) return refuse(QStringLiteral("«%1» no es un objeto JSON").arg(where));
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (!it.value().isString())
                return refuse(QStringLiteral("El valor de «%1» en «%2» no es un texto").arg(it.key(), where));
            const QString text = it.value().toString();
            texts.insert(it.key(), m_swap ? swapSeparators(text) : text);
        }
        return texts;
    }

    // The project's texts are free text: no separator is swapped in them.
    std::optional<ProjectData> project(const QJsonValue& value)
    {
        const QString where = QStringLiteral("project");
        if (value.isUndefined()) return ProjectData{};
        if (!value.isObject()) return refuse(QStringLiteral("«%1» no es un objeto JSON").arg(where));
        const QJsonObject object = value.toObject();
        ProjectData data;
        for (const auto& [key, text] : projectTexts(data)) {
            const QJsonValue one = object.value(QLatin1String(key));
            if (one.isUndefined()) continue;
            if (!one.isString())
                return refuse(QStringLiteral("El valor de «%1» en «%2» no es un texto").arg(QLatin1String(key), where));
            *text = one.toString();
        }
        return data;
    }

    // A list of control names: the options chosen, the results out of date.
    std::optional<QStringList> names(const QJsonValue& value, const QString& where)
    {
        QStringList list;
        if (value.isUndefined()) return list;
        if (!value.isArray()) return refuse(QStringLiteral("«%1» no es una lista").arg(where));
        for (const QJsonValue& name : value.toArray()) {
            if (!name.isString()) return refuse(QStringLiteral("Un elemento de «%1» no es un texto").arg(where));
            list << name.toString();
        }
        return list;
    }

    std::optional<CaseState> caseState(const QJsonValue& value, const QString& letter)
    {
        const QString where = QStringLiteral("cases.%1").arg(letter);
        if (!value.isObject()) return refuse(QStringLiteral("«%1» no es un objeto JSON").arg(where));
        const QJsonObject object = value.toObject();
        auto fields = texts(object.value(QLatin1String("fields")), where + QStringLiteral(".fields"));
        if (!fields) return std::nullopt;
        auto chosen = names(object.value(QLatin1String("options")), where + QStringLiteral(".options"));
        if (!chosen) return std::nullopt;
        auto results = texts(object.value(QLatin1String("results")), where + QStringLiteral(".results"));
        if (!results) return std::nullopt;
        auto old = names(object.value(QLatin1String("outOfDate")), where + QStringLiteral(".outOfDate"));
        if (!old) return std::nullopt;
        return CaseState{std::move(*fields), std::move(*chosen), std::move(*results), std::move(*old)};
    }

    // Keeps the first refusal; returns "nothing" for any optional.
    std::nullopt_t refuse(const QString& error)
    {
        if (m_error.isEmpty()) m_error = error;
        return std::nullopt;
    }

    QString m_error;

private:
    bool m_swap;
};

QString parseFailure(const QJsonParseError& error, qsizetype size)
{
    switch (error.error) {
    case QJsonParseError::UnterminatedObject:
    case QJsonParseError::UnterminatedArray:
    case QJsonParseError::UnterminatedString:
        return QStringLiteral("El archivo está incompleto: acaba antes de cerrar su contenido");
    case QJsonParseError::IllegalUTF8String:
        return QStringLiteral("Su texto no está en UTF-8 (byte %1)").arg(error.offset);
    case QJsonParseError::DeepNesting:
        return QStringLiteral("Su contenido está anidado a demasiada profundidad");
    default:
        break;
    }
    // Most damage at the end of a file is a file cut short.
    if (error.offset >= size) return QStringLiteral("El archivo está incompleto: acaba antes de cerrar su contenido");
    return QStringLiteral("No es un texto JSON válido (error en el byte %1)").arg(error.offset);
}

} // namespace

QByteArray writeCalculationFile(const CalculationState& state, const QString& decimal)
{
    QJsonObject cases;
    for (auto it = state.cases.begin(); it != state.cases.end(); ++it) {
        if (it.value().isEmpty()) continue;
        QJsonObject one;
        one.insert(QLatin1String("fields"), textsObject(it.value().fields));
        one.insert(QLatin1String("options"), QJsonArray::fromStringList(it.value().options));
        one.insert(QLatin1String("results"), textsObject(it.value().results));
        // Written only when a result is greyed: a file without it reads the
        // same in the versions that came before this key.
        if (!it.value().outOfDate.isEmpty())
            one.insert(QLatin1String("outOfDate"), QJsonArray::fromStringList(it.value().outOfDate));
        cases.insert(it.key(), one);
    }
    QJsonObject root;
    root.insert(QLatin1String("format"), kFormat);
    root.insert(QLatin1String("version"), kCalculationFileVersion);
    root.insert(QLatin1String("decimalSeparator"), decimal);
    root.insert(QLatin1String("currentCase"), state.currentCase);
    root.insert(QLatin1String("cases"), cases);
    if (!state.project.isEmpty()) {
        QJsonObject project;
        for (const auto& [key, text] : projectTexts(state.project))
            if (!text->isEmpty()) project.insert(QLatin1String(key), *text);
        root.insert(QLatin1String("project"), project);
    }
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::variant<CalculationState, QString> readCalculationFile(const QByteArray& bytes, const QString& decimal)
{
    if (bytes.size() > kMaxCalculationFileSize) return tooLargeReason();
    if (bytes.trimmed().isEmpty()) return QStringLiteral("El archivo está vacío");
    QJsonParseError parsed;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parsed);
    if (parsed.error != QJsonParseError::NoError) return parseFailure(parsed, bytes.size());
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(QLatin1String("format")) != QJsonValue(kFormat))
        return QStringLiteral("No es un archivo de cálculo de Retención");

    const QJsonValue version = root.value(QLatin1String("version"));
    const double number = version.toDouble(-1);
    if (!version.isDouble() || std::floor(number) != number || number < 1)
        return QStringLiteral("Su número de versión no es válido");
    if (number > kCalculationFileVersion)
        return QStringLiteral("Este archivo procede de una versión más reciente del programa");

    // A file without its separator was written under this very setting.
    const QJsonValue separator = root.value(QLatin1String("decimalSeparator"));
    if (!separator.isUndefined() && (!separator.isString() || separator.toString().size() != 1))
        return QStringLiteral("«decimalSeparator» no es un único carácter");
    const QString written = separator.toString(decimal);
    Reader reader(written != decimal && isPointOrComma(written) && isPointOrComma(decimal));

    CalculationState state;
    const QJsonValue current = root.value(QLatin1String("currentCase"));
    if (!current.isUndefined()) {
        if (!current.isString() || !(caseLetters().contains(current.toString()) || current == indexTabName()))
            return QStringLiteral("«currentCase» no nombra ninguna pestaña");
        state.currentCase = current.toString();
    }

    const QJsonValue cases = root.value(QLatin1String("cases"));
    if (!cases.isUndefined() && !cases.isObject()) return QStringLiteral("«cases» no es un objeto JSON");
    const QJsonObject byLetter = cases.toObject();
    // Cases a later version may add are not read, as any other unknown key.
    for (const QString& letter : caseLetters()) {
        const QJsonValue one = byLetter.value(letter);
        if (one.isUndefined()) continue;
        auto read = reader.caseState(one, letter);
        if (!read) return reader.m_error;
        state.cases.insert(letter, std::move(*read));
    }
    auto project = reader.project(root.value(QLatin1String("project")));
    if (!project) return reader.m_error;
    state.project = std::move(*project);
    return state;
}

QString tooLargeReason()
{
    constexpr qsizetype kMiB = 1024 * 1024;
    static_assert(kMaxCalculationFileSize % kMiB == 0);
    return QStringLiteral("El archivo ocupa más de %1 MiB").arg(kMaxCalculationFileSize / kMiB);
}

std::variant<QByteArray, QString> readCalculationBytes(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists()) return QStringLiteral("El archivo no existe");
    if (info.isDir()) return QStringLiteral("Es una carpeta, no un archivo");
    if (info.size() > kMaxCalculationFileSize) return tooLargeReason();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("No tiene permiso para leerlo");
    QByteArray bytes = file.read(kMaxCalculationFileSize + 1);
    if (file.error() != QFileDevice::NoError) return QStringLiteral("No se ha podido leer su contenido");
    return bytes;
}

} // namespace retencion
