#include "shell/acerca.h"
#include "shell/program_title.h"
#include "shell/qt_spanish.h"
#include "shell/qt_ui_services.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace retencion;

class UiServicesTest : public QObject {
    Q_OBJECT

private slots:
    // The message keeps its caption, its one OK button and its text; the
    // sentence that names the refused value goes below it.
    void initTestCase() { QVERIFY(installQtSpanish(*QCoreApplication::instance())); }

    void messageBoxShowsTheOneMessageWithTheDetailBelow()
    {
        const QString detail = QStringLiteral("Ip = 135 m³/s: el intervalo estudiado es 0 < Ip ≤ 130 m³/s.");
        QStringList shown;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box && box->isModal() && box->buttons().size() == 1);
            shown << box->windowTitle() << box->text() << box->informativeText()
                  << box->button(QMessageBox::Ok)->text();
            box->button(QMessageBox::Ok)->click();
        });
        QtUiServices().ReportOutOfRange(nullptr, detail);
        QCOMPARE(shown, (QStringList{"Predimensionamiento de Depósitos de Retención", "Valores fuera de los estudiados",
                                     detail, "Aceptar"}));
    }

    // Qt's own words, in the context menu of every field, speak Spanish too.
    void qtTextsAreSpanish()
    {
        QCOMPARE(QCoreApplication::translate("QWidgetTextControl", "&Copy"), QStringLiteral("&Copiar"));
        QCOMPARE(QCoreApplication::translate("QWidgetTextControl", "Select All"), QStringLiteral("Seleccionar todo"));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "&Save"), QStringLiteral("&Guardar"));
    }

    // Closed by "Aceptar" twice and then by Escape: the same modal window
    // each time, kept hidden beside the window that opened it.
    void aboutWindowIsTheSameWindowEachTime()
    {
        QMainWindow window;
        window.show();
        QtUiServices services;
        Acerca* first = nullptr;
        for (const bool escape : {false, false, true}) {
            bool wasShown = false;
            QTimer::singleShot(0, &window, [&] {
                auto* about = qobject_cast<Acerca*>(QApplication::activeModalWidget());
                QVERIFY(about);
                wasShown = about->isVisible() && about->isModal() && about->parent() == &window;
                if (!first) first = about;
                QCOMPARE(about, first);
                if (escape)
                    QTest::keyClick(about, Qt::Key_Escape);
                else
                    about->findChild<QPushButton*>("Aceptar")->click();
            });
            services.showAbout(&window); // returns once the window is hidden
            QVERIFY(wasShown && !first->isVisible());
        }
        QCOMPARE(window.findChildren<Acerca*>().size(), 1);
        QCOMPARE(first->findChild<QLabel*>("Label3")->text(), "Versión   " + programVersion());
    }

    void separatorsAreNeverEmpty()
    {
        const Separators s = QtUiServices().separators();
        QVERIFY(!s.decimal.empty() && !s.group.empty() && s.decimal != s.group);
    }
};

QTEST_MAIN(UiServicesTest)
#include "shell_ui_services.moc"
