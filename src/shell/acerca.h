#pragma once

#include <QDialog>

namespace retencion {

// The About window: created on first use, shown modally, hidden by
// "&Aceptar" and shown again as the same window next time.
class Acerca : public QDialog {
    Q_OBJECT
public:
    explicit Acerca(QWidget* mainWindow);

    void Aceptar_Click();
};

} // namespace retencion
