#pragma once
// A stand-in for the message box and the regional settings, so that panel
// tests never block on a modal window and choose their own separators.

#include "shell/ui_services.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QWidget>

namespace retencion::test {

class RecordingServices : public UiServices {
public:
    void ReportOutOfRange(QWidget*, const QString& detail) override { messages << detail; }
    Separators separators() const override { return separatorsInUse; }

    QStringList messages; // one entry per message shown, holding its detail
    Separators separatorsInUse{".", ","};
};

// Types into the named fields of a panel, as a user would leave them.
inline void type(QWidget* panel, std::initializer_list<std::pair<const char*, const char*>> texts)
{
    for (const auto& [name, text] : texts)
        panel->findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromUtf8(text));
}

inline QString text(QWidget* panel, const char* name)
{
    return panel->findChild<QLineEdit*>(QString::fromLatin1(name))->text();
}

inline QString caption(QWidget* panel, const char* name)
{
    return panel->findChild<QLabel*>(QString::fromLatin1(name))->text();
}

// Selects options as a user clicks them, in order.
inline void choose(QWidget* panel, std::initializer_list<const char*> options)
{
    for (const char* name : options)
        panel->findChild<QRadioButton*>(QString::fromLatin1(name))->click();
}

inline void press(QWidget* panel, const char* button)
{
    panel->findChild<QPushButton*>(QString::fromLatin1(button))->click();
}

} // namespace retencion::test
