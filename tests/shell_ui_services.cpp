#include "shell/ui_services.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

using namespace retencion;

class UiServicesTest : public QObject {
    Q_OBJECT

private slots:
    // The message keeps its caption, its one OK button and its text; the
    // sentence that names the refused value goes below it.
    void messageBoxShowsTheOneMessageWithTheDetailBelow()
    {
        QtUiServices services;
        QString title, text, informative;
        int buttons = 0;
        bool modal = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            informative = box->informativeText();
            buttons = int(box->buttons().size());
            modal = box->isModal();
            box->button(QMessageBox::Ok)->click();
        });
        services.ReportOutOfRange(nullptr,
                                  QStringLiteral("Ip = 135 m³/s: el intervalo estudiado es 0 < Ip ≤ 130 m³/s."));
        QCOMPARE(title, QStringLiteral("Predimensionamiento de Depósitos de Retención"));
        QCOMPARE(text, QStringLiteral("Valores fuera de los estudiados"));
        QCOMPARE(informative, QStringLiteral("Ip = 135 m³/s: el intervalo estudiado es 0 < Ip ≤ 130 m³/s."));
        QCOMPARE(buttons, 1);
        QVERIFY(modal);
    }

    void separatorsAreNeverEmpty()
    {
        const Separators s = QtUiServices().separators();
        QVERIFY(!s.decimal.empty());
        QVERIFY(!s.group.empty());
        QVERIFY(s.decimal != s.group);
    }
};

QTEST_MAIN(UiServicesTest)
#include "shell_ui_services.moc"
