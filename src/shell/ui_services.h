#pragma once
// The thin layer between the program and Qt that the panels rely on: the
// one modal message of the program and the regional separators. Tests put a
// recorder in its place, so that no test ever blocks on a modal window.

#include "numbers/format_number.h"

#include <QString>

class QWidget;

namespace retencion {

class UiServices {
public:
    virtual ~UiServices() = default;

    // Shows "Valores fuera de los estudiados" in a modal message box with
    // the OK button only and the program title as caption; `detail`, when
    // given, is shown below it. Returns when the user closes it.
    virtual void ReportOutOfRange(QWidget* parent, const QString& detail) = 0;

    // The decimal and digit-group separators of the user's regional
    // settings at this moment.
    virtual Separators separators() const = 0;
};

// The real thing: QMessageBox and the system locale.
class QtUiServices : public UiServices {
public:
    void ReportOutOfRange(QWidget* parent, const QString& detail) override;
    Separators separators() const override;
};

} // namespace retencion
