#pragma once

#include "charts/ui_services.h"

namespace retencion {

// "Valores fuera de los estudiados": the message of a refused calculation.
QString outOfRangeMessage();

// The real services: message boxes, file dialogs and the system locale.
class QtUiServices : public UiServices {
public:
    void ReportOutOfRange(QWidget* parent, const QString& detail) override;
    void reportFailure(QWidget* parent, const QString& message, const QString& reason) override;
    QString savePath(QWidget* parent, const QString& proposed, const QString& filter) override;
    Separators separators() const override;
    SaveChoice askToSave(QWidget* parent) override;
    QString chooseFileToOpen(QWidget* parent, const QString& folder) override;
    void showAbout(QWidget* parent) override;
    void previewPrint(QWidget* parent, const QString& document,
                      const std::function<void(QPagedPaintDevice&)>& paint) override;
    void reportInformation(QWidget* parent, const QString& message, const QString& detail) override;
    bool askInDialog(QDialog* dialog) override;
    int chooseOne(QWidget* parent, const QString& question, const QStringList& items) override;
};

} // namespace retencion
