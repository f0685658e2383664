#include "files/atomic_write.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace retencion {
namespace {

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

QString cutShort()
{
    return QStringLiteral("No se ha podido escribir todo su contenido; puede que el disco esté lleno");
}

} // namespace

QString whyNotWritten(const QString& path)
{
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (!folder.exists()) return QStringLiteral("La carpeta «%1» no existe").arg(shown(folder.filePath()));
    if (file.isDir()) return QStringLiteral("Ya hay una carpeta con ese nombre");
    if (file.exists() && !file.isWritable()) return QStringLiteral("No tiene permiso para modificar el archivo");
    if (!folder.isWritable())
        return QStringLiteral("No tiene permiso para escribir en la carpeta «%1»").arg(shown(folder.filePath()));
    return QStringLiteral("El sistema no ha permitido crear el archivo");
}

QString writeAtomically(const QString& path, const std::function<QString(QIODevice&)>& draw)
{
    QSaveFile file(path);
    // Unbuffered, so that a short write (a full disk) shows in write()'s
    // count: a buffered QSaveFile can commit a file cut short. What is
    // drawn goes to memory first and to the file in one write.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return whyNotWritten(path);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (const QString reason = draw(buffer); !reason.isEmpty()) {
        file.cancelWriting();
        return reason;
    }
    buffer.close();
    if (file.write(bytes) != bytes.size() || !file.commit()) return cutShort();
    return {};
}

QString writeAtomically(const QString& path, const QByteArray& bytes)
{
    return writeAtomically(
        path, [&bytes](QIODevice& device) { return device.write(bytes) == bytes.size() ? QString() : cutShort(); });
}

} // namespace retencion
