#pragma once
// A calculation as it is kept in a `.retencion` file, and the file's bytes:
// the only place that knows the format (docs/file-format.md). No widgets
// here, so that the reader can be fuzzed with Qt Core alone.

#include "files/case_state.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

#include <variant>

namespace retencion {

// What the sheet's title block says of the work, as typed in "Datos del
// proyecto…": free texts, never read as numbers.
struct ProjectData {
    QString name;     // "Proyecto"
    QString location; // "Emplazamiento"
    QString author;   // "Autor"
    QString notes;    // "Notas", several lines
    bool isEmpty() const { return name.isEmpty() && location.isEmpty() && author.isEmpty() && notes.isEmpty(); }
    bool operator==(const ProjectData&) const = default;
};

struct CalculationState {
    QString currentCase = indexTabName(); // a case's letter, or "INDICE"
    QMap<QString, CaseState> cases;       // by case letter; absent: empty
    ProjectData project = {};
    bool operator==(const CalculationState&) const = default;
};

// Larger files are refused unread: no calculation comes near it, and a
// larger file is not one of ours.
inline constexpr qsizetype kMaxCalculationFileSize = 1024 * 1024;
inline constexpr int kCalculationFileVersion = 1;

// Why a file is refused for its size: "El archivo ocupa más de 1 MiB".
QString tooLargeReason();

// The bytes of the file at `path`, read up to one byte past the size limit
// (so that a file that grew, or a device, is told apart and refused by
// `readCalculationFile`); or why they cannot be read, as the sentences
// below.
std::variant<QByteArray, QString> readCalculationBytes(const QString& path);

// The bytes of a file that holds `state`, whose texts were typed and shown
// under the decimal separator `decimal`.
QByteArray writeCalculationFile(const CalculationState& state, const QString& decimal);

// The calculation a file holds, its texts written as they would be typed
// and shown under the decimal separator `decimal`; or, when the file is
// refused, a sentence in Spanish (capitalised, without a final period) that
// says what is wrong.
std::variant<CalculationState, QString> readCalculationFile(const QByteArray& bytes, const QString& decimal);

} // namespace retencion
