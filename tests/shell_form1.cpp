#include "shell/acerca.h"
#include "shell/form1.h"
#include "ui_test_support.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

using namespace retencion;

class Form1Test : public QObject {
    Q_OBJECT

private slots:
    void opensOnTheIndexWithSixTabsInOrder()
    {
        test::RecordingServices services;
        Form1 form(services);
        QCOMPARE(form.objectName(), QStringLiteral("Form1"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Predimensionamiento de Depósitos de Retención"));
        QCOMPARE(form.findChild<QLabel*>("Label3")->text(), form.windowTitle());
        auto* tabs = form.findChild<QTabWidget*>("SSTab1");
        QVERIFY(tabs);
        const QStringList captions{"Caso A", "Caso B", "Caso C", "Caso D", "Caso E", "INDICE"};
        QCOMPARE(tabs->count(), captions.size());
        for (int i = 0; i < tabs->count(); ++i)
            QCOMPARE(tabs->tabText(i), captions[i]);
        QCOMPARE(tabs->currentIndex(), 5);
    }

    void indexOptionOpensItsTabAndKeepsTypedValues_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("field");
        QTest::newRow("Option1 opens Caso A") << "Option1" << 0 << "AIP";
        QTest::newRow("Option2 opens Caso B") << "Option2" << 1 << "BIP";
        QTest::newRow("Option3 opens Caso C") << "Option3" << 2 << "CIP";
        QTest::newRow("Option4 opens Caso D") << "Option4" << 3 << "DIP";
        QTest::newRow("Option5 opens Caso E") << "Option5" << 4 << "EIP";
    }

    void indexOptionOpensItsTabAndKeepsTypedValues()
    {
        QFETCH(QString, option);
        QFETCH(int, tab);
        QFETCH(QString, field);
        test::RecordingServices services;
        Form1 form(services);
        form.show();
        auto* tabs = form.tabs();
        auto* button = form.findChild<QRadioButton*>(option);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, button->height() / 2));
        QCOMPARE(tabs->currentIndex(), tab);
        form.findChild<QLineEdit*>(field)->setText("12.5");

        // Back to the index and the same option again: the same tab, the value still there.
        tabs->setCurrentIndex(5);
        QVERIFY(button->isChecked());
        button->click();
        QCOMPARE(tabs->currentIndex(), tab);
        QCOMPARE(form.findChild<QLineEdit*>(field)->text(), QStringLiteral("12.5"));
    }

    void menusCarryTheirAccessKeys()
    {
        test::RecordingServices services;
        Form1 form(services);
        QStringList menus;
        for (QAction* a : form.menuBar()->actions())
            menus << a->text();
        QCOMPARE(menus, (QStringList{"&Archivo", "Á&bacos", "Ay&uda"}));
        QCOMPARE(form.findChild<QAction*>("Salir")->text(), QStringLiteral("&Salir"));
        QCOMPARE(form.findChild<QAction*>("Acer")->text(), QStringLiteral("Acerca del Programa"));
    }

    void salirEndsTheProgramWithoutAsking()
    {
        test::RecordingServices services;
        Form1 form(services);
        form.show();
        form.findChild<QLineEdit*>("AIP")->setText("10");
        QTimer::singleShot(0, form.findChild<QAction*>("Salir"), &QAction::trigger);
        QTimer watchdog;
        watchdog.setSingleShot(true);
        bool timedOut = false;
        connect(&watchdog, &QTimer::timeout, [&] {
            timedOut = true;
            QApplication::exit(1);
        });
        watchdog.start(5000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!timedOut);
        QVERIFY(services.messages.isEmpty());
    }

    void aboutWindowIsTheSameWindowEachTime()
    {
        test::RecordingServices services;
        Form1 form(services);
        form.show();
        form.tabs()->setCurrentIndex(2);
        form.findChild<QLineEdit*>("CIP")->setText("20");
        QVERIFY(!form.about());

        Acerca* first = nullptr;
        for (int opening = 0; opening < 2; ++opening) {
            bool wasVisible = false;
            QTimer::singleShot(0, &form, [&] {
                wasVisible = form.about() && form.about()->isVisible() && form.about()->isModal();
                form.about()->findChild<QPushButton*>("Aceptar")->click();
            });
            form.findChild<QAction*>("Acer")->trigger(); // returns once the window is hidden
            QVERIFY(wasVisible);
            QVERIFY(!form.about()->isVisible());
            if (!first) first = form.about();
            QCOMPARE(form.about(), first);
        }
        // Escape closes it too, and it opens again as the same window.
        QTimer::singleShot(0, &form, [&] { QTest::keyClick(form.about(), Qt::Key_Escape); });
        form.findChild<QAction*>("Acer")->trigger();
        QVERIFY(!form.about()->isVisible());
        QCOMPARE(form.about(), first);
        QCOMPARE(first->objectName(), QStringLiteral("Acerca"));
        QCOMPARE(first->findChild<QLabel*>("Label3")->text(), QStringLiteral("Versión   1.0"));
        QCOMPARE(first->findChild<QPushButton*>("Aceptar")->text(), QStringLiteral("&Aceptar"));
        QCOMPARE(form.tabs()->currentIndex(), 2);
        QCOMPARE(form.findChild<QLineEdit*>("CIP")->text(), QStringLiteral("20"));
    }
};

QTEST_MAIN(Form1Test)
#include "shell_form1.moc"
