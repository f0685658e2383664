// Calculation files in the main window: what is saved opens exactly as it
// was, under either decimal separator; bad files and failed saves change
// nothing; unsaved work is never lost without asking.
#include "charts/chart_window.h"
#include "panels/case_panel.h"
#include "shell/calculation_files.h"
#include "shell/form1.h"
#include "ui_test_support.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#ifndef Q_OS_WIN
#include <sys/resource.h>
#endif

using namespace retencion;
using namespace retencion::test;

namespace {

// The first worked example of each case, and its main result's field.
struct Example {
    int tab;
    const WorkedExample* example;
    QString result;
};
std::vector<Example> firstExamples()
{
    std::vector<Example> out;
    for (const WorkedExample& e : workedExamples()) {
        const int tab = caseLetter(e.input) - 'A';
        if (out.empty() || out.back().tab != tab)
            out.push_back({tab, &e, QStringLiteral("%1RES").arg(QChar(u'A' + tab))});
    }
    return out;
}

// Every example typed under `decimal`, and computed.
void fillEveryCase(Form1& form, const QString& decimal)
{
    for (const Example& e : firstExamples()) {
        CasePanel* panel = form.casePanel(e.tab);
        act(panel, exampleWords(*e.example, qPrintable(decimal)));
        panel->calcular()->click();
    }
    form.tabs()->setCurrentIndex(2);
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// JSON written with single quotes, so that it reads without escapes.
QByteArray json(const char* text)
{
    return QByteArray(text).replace('\'', '"');
}

} // namespace

class CalculationFilesTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QTemporaryDir m_settings; // where the recent files are kept while testing
    QString path(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)); }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        // Never the user's own recent files: settings in a file of the test's
        // own, on Windows too, where they would otherwise go to the registry
        // (and nowhere at all without an organisation's name).
        QCoreApplication::setOrganizationName(QStringLiteral("Retencion"));
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path());
        QSettings().clear();
        QVERIFY(m_dir.isValid());
    }

    // Saved and opened in another window: every case's fields, options,
    // results, captions and tab as they were, results current, nothing to save.
    void opensExactlyWhatWasSaved()
    {
        RecordingServices services(",");
        Form1 saved(services);
        fillEveryCase(saved, ",");
        act(saved.casePanel(0), "AOption3 ADL=2,5"); // a weir: "L =", and results out of date
        services.chosenPath = path("todo");
        saved.findChild<QAction*>("Guardar")->trigger();
        QCOMPARE(saved.windowTitle(), "todo.retencion — Predimensionamiento de Depósitos de Retención");

        Form1 opened(services);
        QVERIFY(opened.files().openPath(path("todo.retencion")));
        QCOMPARE(opened.calculation(), saved.calculation());
        QCOMPARE(caption(&opened, "ALabelD"), QStringLiteral("L ="));
        QCOMPARE(caption(&opened, "BLabelD"), QStringLiteral("B ="));
        QVERIFY(field(&opened, "BN")->isHidden()); // a rectangular conduit has no N
        QVERIFY(!field(&opened, "BRES")->property("outOfDate").toBool());
        QVERIFY(!opened.isWindowModified() && services.failures.isEmpty());
        QCOMPARE(opened.tabs()->currentIndex(), 2);

        // "Nuevo" empties every case and its captions go back to their first text.
        opened.findChild<QAction*>("Nuevo")->trigger();
        QCOMPARE(opened.calculation(), Form1(services).calculation());
        QCOMPARE(caption(&opened, "ALabelD"), QStringLiteral("D ="));
        QVERIFY(!field(&opened, "BN")->isHidden());
    }

    // A file saved under one separator computes the same answers under the
    // other: each result opened as it would be shown there, and "Calcular"
    // gives it again.
    void sameResultsUnderTheOtherSeparator_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("reading");
        QTest::newRow("Spanish to English") << ","
                                            << ".";
        QTest::newRow("English to Spanish") << "."
                                            << ",";
    }
    void sameResultsUnderTheOtherSeparator()
    {
        QFETCH(QString, written);
        QFETCH(QString, reading);
        RecordingServices writer(qPrintable(written)), reader(qPrintable(reading));
        Form1 saved(writer), opened(reader);
        fillEveryCase(saved, written);
        writer.chosenPath = path("separador.retencion");
        QVERIFY(saved.files().saveAs());
        QVERIFY(opened.files().openPath(writer.chosenPath));
        for (const Example& e : firstExamples()) {
            const QString shown = text(&opened, e.result);
            QVERIFY2(!shown.isEmpty(), qPrintable(e.result));
            opened.casePanel(e.tab)->calcular()->click();
            QCOMPARE(text(&opened, e.result), shown);
        }
        QVERIFY(text(&opened, "ACK").contains(reading) && text(&opened, "ARES").contains(reading));
        QVERIFY(reader.messages.isEmpty() && writer.messages.isEmpty());
    }

    void badFileChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // empty: a folder of that name
        QTest::addColumn<QString>("reason");
        QTest::newRow("not JSON") << QByteArray("AIP=10") << "No es un texto JSON válido";
        QTest::newRow("not this format") << json("{'format':'otro','version':1}")
                                         << "No es un archivo de cálculo de Retención.";
        QTest::newRow("a field not a string")
            << json("{'format':'retencion','version':1,'cases':{'A':{'fields':{'AIP':10}}}}")
            << "El valor de «AIP» en «cases.A.fields» no es un texto.";
        QTest::newRow("over 1 MiB") << QByteArray(kMaxCalculationFileSize + 10, ' ') << "ocupa más de 1 MiB.";
        QTest::newRow("truncated") << json("{'format':'retencion','version':1,'cases':{'A':{'fie") << "está incompleto";
        QTest::newRow("later version") << json("{'format':'retencion','version':2}")
                                       << "Este archivo procede de una versión más reciente del programa.";
        QTest::newRow("a folder") << QByteArray() << "Es una carpeta, no un archivo.";
    }
    void badFileChangesNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const QString bad = path(QTest::currentDataTag()) + ".retencion";
        if (bytes.isEmpty())
            QVERIFY(QDir().mkpath(bad));
        else
            write(bad, bytes);
        RecordingServices services;
        Form1 form(services);
        fillEveryCase(form, ".");
        const CalculationState before = form.calculation();
        const QString title = form.windowTitle();
        services.answer = SaveChoice::Discard;
        QVERIFY(!form.files().openPath(bad));
        QCOMPARE(form.calculation(), before);
        QCOMPARE(form.windowTitle(), title);
        QVERIFY(form.isWindowModified());
        QCOMPARE(services.failures.size(), 1);
        QVERIFY2(services.failures[0].startsWith("No se puede abrir «" + QDir::toNativeSeparators(bad) + "».") &&
                     services.failures[0].contains(reason),
                 qPrintable(services.failures[0]));
    }

    // A save that fails leaves the file that was there whole, says where and
    // why, and leaves the work still to be saved.
    void failedSaveKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<bool>("diskFull");
        QTest::newRow("folder gone") << "ido/calculo.retencion"
                                     << "La carpeta «" << false;
        QTest::newRow("a folder of that name") << "carpeta.retencion"
                                               << "Ya hay una carpeta con ese nombre" << false;
        QTest::newRow("disk full") << "lleno.retencion"
                                   << "puede que el disco esté lleno" << true;
    }
    void failedSaveKeepsTheOldFile()
    {
        QFETCH(QString, target);
        QFETCH(QString, reason);
        QFETCH(bool, diskFull);
#ifdef Q_OS_WIN
        if (diskFull) QSKIP("Windows has no per-process file size limit to stand in for a full disk");
#endif
        const QString folder = path(QTest::currentDataTag());
        QVERIFY(QDir().mkpath(folder));
        const QString where = folder + '/' + target;
        if (target.startsWith("carpeta")) QVERIFY(QDir().mkpath(where));
        const QByteArray old = "{\"format\":\"retencion\",\"version\":1}";
        if (diskFull) write(where, old);
        RecordingServices services;
        Form1 form(services);
        fillEveryCase(form, ".");
        services.chosenPath = where;

#ifdef Q_OS_WIN
        const bool written = form.files().saveAs();
#else
        // Past this many bytes, the system refuses to write any file, as a
        // full disk does.
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        if (diskFull) {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit small = saved;
            small.rlim_cur = 200;
            setrlimit(RLIMIT_FSIZE, &small);
        }
        const bool written = form.files().saveAs();
        setrlimit(RLIMIT_FSIZE, &saved);
#endif

        QVERIFY(!written);
        QVERIFY(form.isWindowModified() && form.files().path().isEmpty());
        if (diskFull) QCOMPARE(contents(where), old);
        QCOMPARE(QDir(QFileInfo(where).absolutePath()).entryList(QDir::Files).size(), diskFull ? 1 : 0);
        QCOMPARE(services.failures.size(), 1);
        QVERIFY2(services.failures[0].contains("«" + QDir::toNativeSeparators(where) + "»") &&
                     services.failures[0].contains(reason),
                 qPrintable(services.failures[0]));
    }

    // Every way out of unsaved work asks first, and each answer does what it says.
    void unsavedWorkIsNeverLostSilently_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("typed");
        QTest::addColumn<int>("answer");
        for (const char* way : {"Nuevo", "Abrir", "Salir", "cerrar", "línea de órdenes"}) {
            QTest::addRow("%s, nothing typed", way) << way << false << int(SaveChoice::Cancel);
            QTest::addRow("%s, Guardar", way) << way << true << int(SaveChoice::Save);
            QTest::addRow("%s, Descartar", way) << way << true << int(SaveChoice::Discard);
            QTest::addRow("%s, Cancelar", way) << way << true << int(SaveChoice::Cancel);
        }
    }
    void unsavedWorkIsNeverLostSilently()
    {
        QFETCH(QString, way);
        QFETCH(bool, typed);
        QFETCH(int, answer);
        const QString other = path("otro.retencion");
        write(other, json("{'format':'retencion','version':1,'currentCase':'D','cases':{'D':{'fields':{'DIP':'7'}}}}"));
        const QString kept = path("guardado.retencion");
        QFile::remove(kept);

        RecordingServices services;
        services.answer = SaveChoice(answer);
        services.fileToOpen = other;
        services.chosenPath = kept;
        Form1 form(services);
        form.show();
        if (typed) act(form.casePanel(0), "AOption4 AIP=10");
        const CalculationState before = form.calculation();

        bool wentOn = false;
        if (way == "Nuevo") {
            form.findChild<QAction*>("Nuevo")->trigger();
            wentOn = form.calculation() == Form1(services).calculation() && form.files().path().isEmpty();
        } else if (way == "Abrir" || way == "línea de órdenes") {
            if (way == "Abrir")
                form.findChild<QAction*>("Abrir")->trigger();
            else
                form.files().openPath(other);
            wentOn = text(&form, "DIP") == "7";
        } else if (way == "Salir") {
            QTimer::singleShot(0, form.findChild<QAction*>("Salir"), &QAction::trigger);
            QTimer::singleShot(300, [] { QApplication::exit(7); }); // still running: it stayed
            wentOn = QApplication::exec() == 0;
        } else {
            wentOn = form.close();
        }

        const bool cancelled = typed && answer == int(SaveChoice::Cancel);
        QCOMPARE(services.questions, typed ? 1 : 0);
        QCOMPARE(wentOn, !cancelled);
        QCOMPARE(QFile::exists(kept), typed && answer == int(SaveChoice::Save));
        if (cancelled) QCOMPARE(form.calculation(), before);
        if (QFile::exists(kept)) QCOMPARE(contents(kept).contains("\"AIP\": \"10\""), true);
    }

    void titleSaysTheFileAndTheChanges()
    {
        RecordingServices services;
        Form1 form(services);
        const QString program = "Predimensionamiento de Depósitos de Retención";
        QCOMPARE(form.windowTitle(), program);
        act(form.casePanel(3), "DIP=4");
        QCOMPARE(form.windowTitle(), program + "[*]");
        QVERIFY(form.isWindowModified());
        services.chosenPath = path("título"); // the ending is added
        form.findChild<QAction*>("GuardarComo")->trigger();
        QCOMPARE(form.windowTitle(), "título.retencion — " + program);
        QVERIFY(!form.isWindowModified());
        act(form.casePanel(3), "DOption2");
        QCOMPARE(form.windowTitle(), "título.retencion[*] — " + program);
        services.chosenPath.clear(); // "Guardar" asks nothing once there is a file
        form.findChild<QAction*>("Guardar")->trigger();
        QVERIFY(!form.isWindowModified());
        QVERIFY(contents(path("título.retencion")).contains("DOption2"));
    }

    // The last eight, newest first; one gone is dropped with a word.
    void recentFiles()
    {
        QSettings().clear();
        RecordingServices services;
        Form1 form(services);
        QVERIFY(!form.findChild<QAction*>("AbrirReciente")->isEnabled());
        for (int i = 1; i <= 9; ++i) {
            services.chosenPath = path(qPrintable(QStringLiteral("r%1.retencion").arg(i)));
            QVERIFY(form.files().saveAs());
        }
        QStringList want;
        for (int i = 9; i >= 2; --i)
            want << path(qPrintable(QStringLiteral("r%1.retencion").arg(i)));
        QCOMPARE(form.files().recentFiles(), want);
        QFile::remove(want[3]);
        QAction* gone = form.findChild<QAction*>("Reciente4");
        QCOMPARE(gone->text(), "&4 " + QDir::toNativeSeparators(want[3]));
        gone->trigger();
        want.removeAt(3);
        QCOMPARE(form.files().recentFiles(), want);
        QCOMPARE(services.failures.size(), 1);
        QVERIFY(services.failures[0].contains("ya no existe"));
        form.findChild<QAction*>("Reciente7")->trigger(); // now the oldest, r2
        QCOMPARE(form.files().recentFiles().first(), path("r2.retencion"));
    }

    // Each entry of "Archivo" opens with its own letter.
    void fileMenuAccessKeys()
    {
        RecordingServices services;
        Form1 form(services);
        QStringList keys;
        for (QAction* a : form.findChild<QMenu*>("Archivo")->actions())
            if (!a->isSeparator()) keys << a->text().section('&', 1).left(1).toLower();
        QCOMPARE(keys, (QStringList{"n", "a", "r", "g", "c", "d", "i", "p", "s"}));
    }

    void dropOpensTheFile()
    {
        RecordingServices services;
        Form1 form(services);
        const QString dropped = path("soltado.retencion");
        write(dropped, json("{'format':'retencion','version':1,'cases':{'C':{'fields':{'CIP':'3'}}}}"));
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(dropped)});
        form.show();
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(field(&form, "CB"), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(field(&form, "CB"), &drop); // on a field, not typed into it
        QTRY_COMPARE(text(&form, "CIP"), QStringLiteral("3"));
        QCOMPARE(text(&form, "CB"), QString());
    }

    // A result greyed as out of date stays so through save and open, beside
    // a current one where a depth refusal left it (cases B and E), and
    // "Copiar resultados" marks it.
    void outOfDateResultsStayOutOfDate_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("words"); // typed and computed, then typed again
        QTest::addColumn<QString>("later");
        QTest::addColumn<QStringList>("greyed");
        QTest::addColumn<QString>("copied"); // the lines of results copied
        QTest::newRow("A, a field edited after the calculation")
            << 0 << "AOption1 AOption4 AINC=3 AIP=10 ATP=20 ATB=60 ADL=1 ACK=0,6"
            << "AIP=11" << QStringList{"ARES", "AH"}
            << "Sup\t5529,4\tm²\t(resultado anterior)\nH\t2,07\tm\tAltura de agua sobre el orificio, según Q = Ck·A·√(2g·H)\t"
               "(resultado anterior)\n";
        QTest::newRow("B, the depth refused beside a new surface")
            << 1 << "BOption3 BOption1 BINC=1,4 BIP=2 BD=2 BQB=0,2 BTP=30"
            << "" << QStringList{"BH"} << "Sup\t28972,\tm²\nH\told\tm\t(resultado anterior)\n";
        QTest::newRow("E, the depth refused beside a new surface")
            << 4 << "EOption1 EINC=5 EIP=20 ETP=30 EB=2 EHO=0,1 EL=0,2"
            << "" << QStringList{"EH"} << "Sup\t358\tm²\nH\told\tm\t(resultado anterior)\n";
    }
    void outOfDateResultsStayOutOfDate()
    {
        QFETCH(int, tab);
        QFETCH(QString, words);
        QFETCH(QString, later);
        QFETCH(QStringList, greyed);
        QFETCH(QString, copied);
        RecordingServices services(",");
        Form1 saved(services);
        CasePanel* panel = saved.casePanel(tab);
        saved.tabs()->setCurrentIndex(tab);
        act(panel, words);
        const QString height = QChar('A' + tab) + QStringLiteral("H");
        field(panel, height)->setText("old"); // what an earlier calculation left
        panel->calcular()->click();
        if (!later.isEmpty()) QTest::keyClicks(field(panel, later.section('=', 0, 0)), "1");
        QCOMPARE(saved.calculation().cases[QString(QChar('A' + tab))].outOfDate, greyed);

        services.chosenPath = path("anterior");
        QVERIFY(saved.files().saveAs());
        Form1 opened(services);
        QVERIFY(opened.files().openPath(path("anterior.retencion")));
        QCOMPARE(opened.calculation(), saved.calculation());
        for (const char* result : {"RES", "H"}) {
            const QString name = QChar('A' + tab) + QLatin1String(result);
            QCOMPARE(field(&opened, name)->property("outOfDate").toBool(), greyed.contains(name));
            QCOMPARE(field(&opened, name)->palette().color(QPalette::Text) ==
                         field(&opened, name)->palette().color(QPalette::Disabled, QPalette::Text),
                     greyed.contains(name));
        }
        opened.findChild<QAction*>("CopiarResultados")->trigger();
        QVERIFY2(QApplication::clipboard()->text().endsWith(copied), qPrintable(QApplication::clipboard()->text()));
    }

    // "Datos del proyecto…" keeps what it is told in the calculation: a
    // change to save, written to the file, opened again, and emptied by
    // "Nuevo"; cancelled, it changes nothing.
    void projectDataAreKeptInTheFile()
    {
        RecordingServices services(",");
        Form1 form(services);
        const auto fill = [&form](const ProjectData& data, bool accept) {
            form.findChild<QAction*>("DatosProyecto")->trigger();
            auto* dialog = form.findChild<QDialog*>("DatosProyecto");
            QVERIFY(dialog && dialog->isVisible());
            dialog->findChild<QLineEdit*>("Proyecto")->setText(data.name);
            dialog->findChild<QLineEdit*>("Emplazamiento")->setText(data.location);
            dialog->findChild<QLineEdit*>("Autor")->setText(data.author);
            dialog->findChild<QPlainTextEdit*>("Notas")->setPlainText(data.notes);
            dialog->findChild<QPushButton*>(accept ? "Aceptar" : "Cancelar")->click();
            QVERIFY(!dialog->isVisible());
        };
        const ProjectData data{"Colector norte", "Término municipal de Prueba", "Ana Pérez",
                               "Revisar Ck.\nSegunda línea"};
        fill({"Otro", "", "", ""}, false);
        QVERIFY(form.calculation().project.isEmpty() && !form.files().modified());
        fill(data, true);
        QCOMPARE(form.calculation().project, data);
        QVERIFY(form.files().modified());

        services.chosenPath = path("proyecto");
        QVERIFY(form.files().saveAs());
        QVERIFY(contents(path("proyecto.retencion")).contains("\"author\": \"Ana Pérez\""));
        Form1 opened(services);
        QVERIFY(opened.files().openPath(path("proyecto.retencion")));
        QCOMPARE(opened.calculation().project, data);
        opened.findChild<QAction*>("DatosProyecto")->trigger(); // shows what was opened
        QCOMPARE(opened.findChild<QLineEdit*>("Autor")->text(), data.author);
        opened.findChild<QDialog*>("DatosProyecto")->reject();
        opened.findChild<QAction*>("Nuevo")->trigger();
        QVERIFY(opened.calculation().project.isEmpty());
    }

    // An open chart window drops the sizing curve of the data a file has
    // replaced: it answered a calculation the form no longer holds.
    void openingDropsTheCurveOfEarlierData()
    {
        RecordingServices services(",");
        services.answer = SaveChoice::Discard;
        Form1 form(services);
        CasePanel* panel = form.casePanel(3);
        act(panel, "DOption1 DINC=15 DIP=25 DTP=60");
        panel->calcular()->click();
        panel->showChart();
        QVERIFY(!panel->chartWindow()->curveFigures().empty());
        write(path("otro.retencion"), json("{'format':'retencion','version':1,'currentCase':'D','cases':{'D':{"
                                           "'fields':{'DINC':'10','DIP':'30','DTP':'60'},'options':['DOption1'],"
                                           "'results':{'DRES':'1'}}}}"));
        QVERIFY(form.files().openPath(path("otro.retencion")));
        QVERIFY(panel->chartWindow()->curveFigures().empty());
        panel->calcular()->click(); // the file's own data
        QVERIFY(!panel->chartWindow()->curveFigures().empty());
    }

    void copiesTheCaseForASpreadsheet()
    {
        RecordingServices services;
        Form1 form(services);
        fillEveryCase(form, ".");
        form.tabs()->setCurrentIndex(3);
        form.findChild<QAction*>("CopiarResultados")->trigger();
        QCOMPARE(QApplication::clipboard()->text(),
                 "Qp\t15\tm³/s\nTp\t60\tmin.\nIp\t25\tm³/s\nVol\t" + text(&form, "DRES") + "\tm³\n");
    }
};

QTEST_MAIN(CalculationFilesTest)
#include "shell_calculation_files.moc"
