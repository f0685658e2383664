#pragma once

#include <string_view>

namespace retencion {

// The one message every calculation shows when an input lies outside the
// range that the design charts were drawn for.
inline constexpr std::string_view kOutOfRangeMessage = "Valores fuera de los estudiados";

} // namespace retencion
