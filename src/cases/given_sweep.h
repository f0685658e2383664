#pragma once
// The whole range of the value a calculation is given, as the sizing curve
// sweeps it: the target outflow peak, from 0 (from Qb in case B) up to Ip;
// or the surface or volume, over the studied range the case's engine checks
// it against, with a margin where the studied range is that of a quantity
// derived from it.

#include "cases/case_input.h"

namespace retencion {

struct GivenSweep {
    double low = 0;
    double high = 0;
    bool logarithmic = false; // in equal ratios (surfaces and volumes)

    // The value a fraction `t` (0 to 1) of the way from `low` to `high`.
    double at(double t) const;
};

GivenSweep givenSweep(const CaseInput& input);

} // namespace retencion
