// Writing a file whole or not at all: a file that cannot be written, a
// drawing that fails and a disk that fills up each leave the old file as it
// was, no temporary file behind, and a reason in Spanish.
#include "files/atomic_write.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

using namespace retencion;

namespace {

const QByteArray kOld = "el archivo de antes";

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(ilegible)");
}

} // namespace

class AtomicWriteTest : public QObject {
    Q_OBJECT

private slots:
    void writesTheWholeFileInPlaceOfTheOld()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("hoja.pdf");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(kOld) == kOld.size());
        old.close();
        const QByteArray bytes(300000, 'x'); // more than any buffer holds at once
        QCOMPARE(writeAtomically(path, bytes), QString());
        QCOMPARE(contents(path), bytes);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"hoja.pdf"});
    }

    void failureLeavesTheOldFile_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder gone") << "ida/hoja.pdf"
                                     << "La carpeta «";
        QTest::newRow("a folder of that name") << "carpeta.pdf"
                                               << "Ya hay una carpeta con ese nombre";
        QTest::newRow("drawing fails") << "dibujo.svg"
                                       << "No se ha podido empezar el dibujo";
        QTest::newRow("disk full") << "lleno.png"
                                   << "puede que el disco esté lleno";
    }
    void failureLeavesTheOldFile()
    {
        QFETCH(QString, target);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(target);
        const bool oldFile = !target.startsWith("ida") && !target.startsWith("carpeta");
        if (target.startsWith("carpeta")) QVERIFY(QDir().mkpath(path));
        if (oldFile) {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write(kOld) == kOld.size());
        }
        const bool drawingFails = target.startsWith("dibujo");
        const bool diskFull = target.startsWith("lleno");
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
        const QString why = writeAtomically(path, [&](QIODevice& device) {
            device.write(QByteArray(1000, 'x'));
            return drawingFails ? QStringLiteral("No se ha podido empezar el dibujo") : QString();
        });
        setrlimit(RLIMIT_FSIZE, &saved);

        QVERIFY2(why.contains(reason) && !why.endsWith('.'), qPrintable(why));
        if (oldFile) QCOMPARE(contents(path), kOld);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), oldFile ? 1 : 0);
    }
};

QTEST_GUILESS_MAIN(AtomicWriteTest)
#include "files_atomic_write.moc"
