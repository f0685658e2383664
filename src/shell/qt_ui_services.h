#pragma once

#include "charts/ui_services.h"

namespace retencion {

// The real services: message boxes, the file dialog and the system locale.
class QtUiServices : public UiServices {
public:
    void ReportOutOfRange(QWidget* parent, const QString& detail) override;
    void reportFailure(QWidget* parent, const QString& text) override;
    QString savePath(QWidget* parent, const QString& proposed, const QString& filter) override;
    Separators separators() const override;
};

} // namespace retencion
