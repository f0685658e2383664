#include "shell/ui_services.h"

#include "numbers/out_of_range_message.h"
#include "shell/program_title.h"

#include <QLabel>
#include <QLocale>
#include <QMessageBox>

#include <algorithm>

namespace retencion {

void QtUiServices::ReportOutOfRange(QWidget* parent, const QString& detail)
{
    QMessageBox box(QMessageBox::NoIcon, programTitle(),
                    QString::fromUtf8(kOutOfRangeMessage.data(), qsizetype(kOutOfRangeMessage.size())), QMessageBox::Ok,
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
