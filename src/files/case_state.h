#pragma once
// What one case tab holds, by control name: what a calculation file keeps
// of it, and what opening one restores.

#include "cases/case_input.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <algorithm>

namespace retencion {

// The design cases by letter (kCaseLetters), in the order of their tabs.
inline QStringList caseLetters()
{
    QStringList letters;
    for (const char letter : kCaseLetters)
        letters << QString(QLatin1Char(letter));
    return letters;
}

// The index tab's name, which a calculation file keeps when it is in front.
inline QString indexTabName()
{
    return QStringLiteral("INDICE");
}

struct CaseState {
    QMap<QString, QString> fields;  // input fields, the text as typed
    QStringList options;            // the option buttons selected
    QMap<QString, QString> results; // result fields, the text as shown
    // The result fields greyed as out of date: their text no longer answers
    // the fields, and opening the file greys them again.
    QStringList outOfDate = {};

    // Nothing typed, chosen or shown: such a case is left out of a file.
    bool isEmpty() const
    {
        const auto blank = [](const QMap<QString, QString>& texts) {
            return std::all_of(texts.begin(), texts.end(), [](const QString& t) { return t.isEmpty(); });
        };
        return options.isEmpty() && blank(fields) && blank(results);
    }
    bool operator==(const CaseState&) const = default;
};

} // namespace retencion
