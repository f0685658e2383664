#pragma once

#include <QString>

namespace retencion {

// Window caption, banner, About window and message caption.
inline QString programTitle()
{
    return QStringLiteral("Predimensionamiento de Depósitos de Retención");
}

// The version the About window and the report name.
inline QString programVersion()
{
    return QStringLiteral("1.0");
}

} // namespace retencion
