// Writing a file whole or not at all: a drawing that fails and a disk that
// fills up each leave the old file as it was, no temporary file behind, and
// a reason in Spanish.
#include "files/atomic_write.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#ifndef Q_OS_WIN
#include <csignal>
#include <sys/resource.h>
#endif

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

    // A drawing that fails, and a disk that fills up once the drawing is
    // done, each leave the old file whole and nothing beside it. (Missing
    // folders and the like are the calculation files' tests'.)
    void failureLeavesTheOldFile_data()
    {
        QTest::addColumn<bool>("diskFull");
        QTest::addColumn<QString>("reason");
        QTest::newRow("drawing fails") << false << "No se ha podido empezar el dibujo";
        QTest::newRow("disk full") << true
                                   << "No se ha podido escribir todo su contenido; puede que el disco esté lleno";
    }
    void failureLeavesTheOldFile()
    {
        QFETCH(bool, diskFull);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath("dibujo.svg");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(kOld) == kOld.size());
        old.close();
#ifdef Q_OS_WIN
        if (diskFull) QSKIP("Windows has no limit on a file's size to stand for a full disk");
#else
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        if (diskFull) {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit small = saved;
            small.rlim_cur = 200; // bytes: past them the system refuses, as a full disk does
            setrlimit(RLIMIT_FSIZE, &small);
        }
#endif
        const QString why = writeAtomically(path, [&](QIODevice& device) {
            device.write(QByteArray(1000, 'x'));
            return diskFull ? QString() : QStringLiteral("No se ha podido empezar el dibujo");
        });
#ifndef Q_OS_WIN
        setrlimit(RLIMIT_FSIZE, &saved);
#endif
        QCOMPARE(why, reason);
        QCOMPARE(contents(path), kOld);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"dibujo.svg"});
    }
};

QTEST_GUILESS_MAIN(AtomicWriteTest)
#include "files_atomic_write.moc"
