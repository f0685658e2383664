#include "panels/case_panel.h"
#include "shell/acerca.h"
#include "shell/form1.h"
#include "ui_test_support.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QSet>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

using namespace retencion;
using namespace retencion::test;

class Form1Test : public QObject {
    Q_OBJECT

private slots:
    void opensOnTheIndexWithSixTabsAndTheMenus()
    {
        RecordingServices services;
        Form1 form(services);
        QCOMPARE(form.windowTitle(), QStringLiteral("Predimensionamiento de Depósitos de Retención"));
        QStringList tabs, menus;
        for (int i = 0; i < form.tabs()->count(); ++i)
            tabs << form.tabs()->tabText(i);
        QCOMPARE(tabs, (QStringList{"Caso A", "Caso B", "Caso C", "Caso D", "Caso E", "INDICE"}));
        QCOMPARE(form.tabs()->currentIndex(), 5);
        for (QAction* a : form.menuBar()->actions())
            menus << a->text();
        QCOMPARE(menus, (QStringList{"&Archivo", "E&dición", "Cálc&ulo", "Á&bacos", "A&yuda"})); // with their access keys
        QCOMPARE(form.findChild<QAction*>("Salir")->text(), QStringLiteral("&Salir"));
    }

    // Back on the index, the same option again opens the same tab with the
    // value typed there still in place.
    void indexOptionOpensItsTabAndKeepsTypedValues()
    {
        RecordingServices services;
        Form1 form(services);
        form.show();
        const char* fields[] = {"AIP", "BIP", "CIP", "DIP", "EIP"};
        for (int tab = 0; tab < 5; ++tab) {
            auto* button = form.findChild<QRadioButton*>(QStringLiteral("Option%1").arg(tab + 1));
            QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, button->height() / 2));
            QCOMPARE(form.tabs()->currentIndex(), tab);
            act(&form, QString(fields[tab]) + "=12.5");
            form.tabs()->setCurrentIndex(5);
            button->click();
            QCOMPARE(form.tabs()->currentIndex(), tab);
            QCOMPARE(text(&form, fields[tab]), QStringLiteral("12.5"));
        }
    }

    // Enter on an index option opens its case, as Space does.
    void enterOnAnIndexOptionOpensItsCase()
    {
        RecordingServices services;
        Form1 form(services);
        form.show();
        auto* option = form.findChild<QRadioButton*>("Option4");
        option->setFocus();
        QTest::keyClick(option, Qt::Key_Return);
        QCOMPARE(form.tabs()->currentIndex(), 3);
    }

    // Within the window, on every tab, each underlined letter opens one thing.
    void accessKeysAreUniqueOnEveryTab()
    {
        RecordingServices services;
        Form1 form(services);
        QStringList menus;
        for (QAction* a : form.menuBar()->actions())
            menus << a->text();
        for (int tab = 0; tab < 5; ++tab) {
            QStringList captions = menus;
            for (auto* button : form.tabs()->widget(tab)->findChildren<QAbstractButton*>())
                captions << button->text();
            QSet<QChar> keys;
            for (const QString& caption : captions) {
                const qsizetype at = caption.indexOf('&');
                if (at < 0 || at + 1 >= caption.size()) continue;
                const QChar key = caption.at(at + 1).toLower();
                QVERIFY2(!keys.contains(key), qPrintable(caption));
                keys.insert(key);
            }
        }
    }

    // On the commonest laptop screen, less a taskbar, every window opens whole.
    void windowsFitALaptopScreen()
    {
        RecordingServices services;
        Form1 form(services);
        const QSize room(1326, 728);
        QVERIFY2(form.sizeHint().boundedTo(room) == form.sizeHint(),
                 qPrintable(QStringLiteral("%1 × %2").arg(form.sizeHint().width()).arg(form.sizeHint().height())));
        const Acerca about(&form);
        QCOMPARE(about.sizeHint().boundedTo(room), about.sizeHint());
    }

    // Started as the user starts it, the window paints its first frame with
    // the index alone, and builds the case tabs right after it; a key
    // pressed before that frame finds every control all the same; either way
    // the window ends the size it would have opened at whole.
    void firstFrameFirstKeepsEveryControlFindable_data()
    {
        QTest::addColumn<bool>("keyFirst");
        QTest::newRow("built after the first frame") << false;
        QTest::newRow("built by a key pressed before it") << true;
    }
    void firstFrameFirstKeepsEveryControlFindable()
    {
        QFETCH(bool, keyFirst);
        RecordingServices services;
        Form1 whole(services);
        Form1 form(services, nullptr, Form1::Start::FirstFrameFirst);
        QVERIFY(!form.findChild<QLineEdit*>("AIP"));
        QVERIFY(form.findChild<QRadioButton*>("Option1"));
        QLineEdit* seen = nullptr;
        if (keyFirst) {
            // The first event the window handles is a key on the index.
            QTest::keyClick(form.findChild<QRadioButton*>("Option3"), Qt::Key_Space);
            seen = form.findChild<QLineEdit*>("CIP");
            QVERIFY(seen);
            QCOMPARE(form.tabs()->currentIndex(), 2);
        }
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTRY_VERIFY(form.findChild<QLineEdit*>("EIP"));
        for (const char* name : {"AIP", "BQB", "CHO", "DTP", "EL", "ACalcular", "ECalcular"})
            QVERIFY2(form.findChild<QWidget*>(name), name);
        QCOMPARE(form.findChild<QLineEdit*>("CIP"), keyFirst ? seen : form.findChild<QLineEdit*>("CIP"));
        QCOMPARE(form.size(), whole.size());
        for (int tab = 0; tab < Form1::kIndexTab; ++tab)
            QCOMPARE(form.tabs()->widget(tab), static_cast<QWidget*>(form.casePanel(tab)));
        QCOMPARE(form.tabs()->currentIndex(), keyFirst ? 2 : Form1::kIndexTab);
        QVERIFY(!QApplication::windowIcon().isNull());
    }

    void salirEndsTheProgramWithoutAskingWhenNothingWasTyped()
    {
        RecordingServices services;
        Form1 form(services);
        form.show();
        form.tabs()->setCurrentIndex(0);
        QTimer::singleShot(0, form.findChild<QAction*>("Salir"), &QAction::trigger);
        QTimer watchdog; // a question left open would keep the program running
        watchdog.callOnTimeout([] { QApplication::exit(1); });
        watchdog.start(5000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(services.messages.isEmpty() && services.questions == 0);
    }

    // The menu opens the About window through the services, each time, and
    // leaves the form as it was.
    void aboutWindowOpensThroughTheServices()
    {
        RecordingServices services;
        Form1 form(services);
        form.show();
        form.tabs()->setCurrentIndex(2);
        act(&form, "CIP=20");
        for (int i = 0; i < 3; ++i)
            form.findChild<QAction*>("Acer")->trigger();
        QCOMPARE(services.aboutShown, 3);
        QCOMPARE(form.tabs()->currentIndex(), 2);
        QCOMPARE(text(&form, "CIP"), QStringLiteral("20"));
    }
};

QTEST_MAIN(Form1Test)
#include "shell_form1.moc"
