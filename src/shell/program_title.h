#pragma once

#include <QString>

namespace retencion {

// Window caption, banner, About window and message caption.
inline QString programTitle()
{
    return QStringLiteral("Predimensionamiento de Depósitos de Retención");
}

} // namespace retencion
