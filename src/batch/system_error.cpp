#include "batch/system_error.h"

#include <cerrno>

namespace retencion::batch {

std::string systemReason(int errnum)
{
    switch (errnum) {
    case ENOENT:
        return "no existe el fichero o la carpeta";
    case EACCES:
    case EPERM:
        return "no tiene permiso";
    case EISDIR:
        return "es una carpeta, no un fichero";
    case ENOTDIR:
        return "una parte de la ruta no es una carpeta";
    case ENOSPC:
        return "no queda espacio en el disco";
#ifdef EDQUOT // not on Windows
    case EDQUOT:
        return "se ha agotado la cuota de disco";
#endif
    case EROFS:
        return "el disco es de solo lectura";
    case ENAMETOOLONG:
        return "el nombre es demasiado largo";
    case EMFILE:
    case ENFILE:
        return "hay demasiados ficheros abiertos";
    case EIO:
        return "error de entrada y salida del disco";
    case EFBIG:
        return "el fichero es demasiado grande";
    case EBUSY:
    case ETXTBSY:
        return "el fichero está en uso";
    case EXDEV:
        return "no se puede mover entre discos distintos";
    case ELOOP:
        return "la ruta tiene demasiados enlaces simbólicos";
    case EPIPE:
        return "el programa que recibía la salida la ha cerrado";
    case 0:
        return "error desconocido";
    default:
        return "error del sistema número " + std::to_string(errnum);
    }
}

} // namespace retencion::batch
