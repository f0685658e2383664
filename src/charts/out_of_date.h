#pragma once
// The words that mark a result, a chart or a sheet as the answer to data the
// form no longer holds: the same words wherever the mark is shown.

#include <QString>

namespace retencion {

// "Resultado anterior: los datos han cambiado", as a tool tip or a sentence
// begins.
inline QString outOfDateMark()
{
    return QStringLiteral("Resultado anterior: los datos han cambiado");
}

// The same words after a window's title: " — resultado anterior: …".
inline QString outOfDateTitleSuffix()
{
    QString words = outOfDateMark();
    words[0] = words[0].toLower();
    return QStringLiteral(" — ") + words;
}

} // namespace retencion
