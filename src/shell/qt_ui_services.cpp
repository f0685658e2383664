#include "shell/qt_ui_services.h"

#include "shell/acerca.h"
#include "shell/program_title.h"

#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>

#include <algorithm>

namespace retencion {
// The one message every calculation shows when an input lies outside the
// range that the design charts were drawn for.
QString outOfRangeMessage()
{
    return QStringLiteral("Valores fuera de los estudiados");
}

void QtUiServices::ReportOutOfRange(QWidget* parent, const QString& detail)
{
    QMessageBox box(QMessageBox::NoIcon, programTitle(), outOfRangeMessage(), QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("OutOfRangeMessage"));
    if (!detail.isEmpty()) {
        box.setInformativeText(detail);
        // Wide enough that a sentence of usual length wraps at most once,
        // and never between a number and its unit.
        if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel"))) {
            const QFontMetrics metrics(label->font());
            label->setMinimumWidth(std::min(metrics.horizontalAdvance(detail) + 8, metrics.averageCharWidth() * 64));
        }
    }
    box.exec();
}

namespace {

const QString kFileFilter = QStringLiteral("Cálculos de Retención (*.retencion)");

} // namespace

SaveChoice QtUiServices::askToSave(QWidget* parent)
{
    QMessageBox box(QMessageBox::Warning, programTitle(), QStringLiteral("¿Desea guardar los cambios?"),
                    QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("GuardarCambios"));
    box.setInformativeText(QStringLiteral("Si no los guarda, se perderán."));
    QPushButton* save = box.addButton(QStringLiteral("&Guardar"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QStringLiteral("&Descartar"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QStringLiteral("&Cancelar"), QMessageBox::RejectRole);
    save->setObjectName(QStringLiteral("Guardar"));
    discard->setObjectName(QStringLiteral("Descartar"));
    cancel->setObjectName(QStringLiteral("Cancelar"));
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save) return SaveChoice::Save;
    if (box.clickedButton() == discard) return SaveChoice::Discard;
    return SaveChoice::Cancel;
}

QString QtUiServices::chooseFileToOpen(QWidget* parent, const QString& folder)
{
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Abrir cálculo"), folder, kFileFilter);
}

void QtUiServices::reportFailure(QWidget* parent, const QString& message, const QString& reason)
{
    QMessageBox box(QMessageBox::Warning, programTitle(), message, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("Fallo"));
    box.setInformativeText(reason);
    box.exec();
}

QString QtUiServices::savePath(QWidget* parent, const QString& proposed, const QString& filter)
{
    QFileDialog dialog(parent, QStringLiteral("Guardar como"), proposed, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

void QtUiServices::showAbout(QWidget* parent)
{
    if (!parent) {
        Acerca(nullptr).exec();
        return;
    }
    // Created on first use and kept, hidden, beside its parent.
    auto* about = parent->findChild<Acerca*>(QString(), Qt::FindDirectChildrenOnly);
    if (!about) about = new Acerca(parent);
    about->exec();
}

void QtUiServices::previewPrint(QWidget* parent, const QString& document,
                                const std::function<void(QPagedPaintDevice&)>& paint)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(document + QStringLiteral(" — ") + programTitle());
    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName(QStringLiteral("VistaPrevia"));
    preview.setWindowTitle(QStringLiteral("Imprimir — ") + document);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&paint](QPrinter* p) { paint(*p); });
    preview.exec();
}

void QtUiServices::reportInformation(QWidget* parent, const QString& message, const QString& detail)
{
    QMessageBox box(QMessageBox::Information, programTitle(), message, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("Informacion"));
    if (!detail.isEmpty()) box.setInformativeText(detail);
    box.exec();
}

bool QtUiServices::askInDialog(QDialog* dialog)
{
    return dialog->exec() == QDialog::Accepted;
}

int QtUiServices::chooseOne(QWidget* parent, const QString& question, const QStringList& items)
{
    QInputDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("ElegirUno"));
    dialog.setWindowTitle(programTitle());
    dialog.setLabelText(question);
    dialog.setComboBoxItems(items);
    dialog.setComboBoxEditable(false);
    dialog.setOkButtonText(QStringLiteral("Aceptar"));
    dialog.setCancelButtonText(QStringLiteral("Cancelar"));
    if (dialog.exec() != QDialog::Accepted) return -1;
    return static_cast<int>(items.indexOf(dialog.textValue()));
}

Separators QtUiServices::separators() const
{
    const QLocale locale = QLocale::system();
    Separators s;
    const QString decimal = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    // A point and a comma where the system gives none.
    s.decimal = decimal.isEmpty() ? "." : decimal.toStdString();
    s.group = group.isEmpty() ? "," : group.toStdString();
    return s;
}

} // namespace retencion
