#pragma once

#include "program_version.h"

#include <QString>

namespace retencion {

// Window caption, banner, About window and message caption.
inline QString programTitle()
{
    return QStringLiteral("Predimensionamiento de Depósitos de Retención");
}

// The version the About window and the report name: the project's.
inline QString programVersion()
{
    return QStringLiteral(RETENCION_VERSION);
}

} // namespace retencion
