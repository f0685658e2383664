#pragma once
// Every file the program writes (a calculation, an exported chart, a sheet)
// is written whole or not at all: under a temporary name beside it, put in
// its place only once every byte is written, so that a full disk or a
// failed drawing leaves the file that was there as it was.

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

namespace retencion {

// Writes `bytes` to `path`. Empty on success; otherwise why not, in Spanish,
// capitalised and without a final period.
QString writeAtomically(const QString& path, const QByteArray& bytes);

// Writes to `path` what `draw` writes into the device it is given; `draw`
// gives the reason it could not (in Spanish, as above), or an empty text.
// The target is checked before anything is drawn.
QString writeAtomically(const QString& path, const std::function<QString(QIODevice&)>& draw);

// Why a file could not be created or replaced, found out afterwards: the
// system's own reasons come in its language, not always Spanish.
QString whyNotWritten(const QString& path);

} // namespace retencion
