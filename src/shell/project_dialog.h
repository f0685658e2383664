#pragma once
// "Archivo" → "Datos del proyecto…": what the calculation sheet's title block
// says of the work. The texts are kept in the calculation file.

#include "files/calculation_file.h"

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;

namespace retencion {

class ProjectDialog : public QDialog {
    Q_OBJECT
public:
    explicit ProjectDialog(QWidget* mainWindow);

    void setData(const ProjectData& data);
    // The texts as typed, each without blanks at its ends.
    ProjectData data() const;

private:
    QLineEdit* m_name;
    QLineEdit* m_location;
    QLineEdit* m_author;
    QPlainTextEdit* m_notes;
};

} // namespace retencion
