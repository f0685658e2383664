#include "shell/qt_ui_services.h"

#include "shell/program_title.h"

#include <QFileDialog>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>

#include <algorithm>

namespace retencion {
namespace {

// The one message every calculation shows when an input lies outside the
// range that the design charts were drawn for.
const char kOutOfRangeMessage[] = "Valores fuera de los estudiados";

} // namespace

void QtUiServices::ReportOutOfRange(QWidget* parent, const QString& detail)
{
    QMessageBox box(QMessageBox::NoIcon, programTitle(), QString::fromUtf8(kOutOfRangeMessage), QMessageBox::Ok,
                    parent);
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

void QtUiServices::reportFailure(QWidget* parent, const QString& text)
{
    // Captioned like the window whose request failed.
    QMessageBox::warning(parent, parent ? parent->windowTitle() : programTitle(), text);
}

QString QtUiServices::savePath(QWidget* parent, const QString& proposed, const QString& filter)
{
    // Saving a file is only ever exporting what a window shows.
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Exportar"), proposed, filter);
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
