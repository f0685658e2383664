#pragma once
// A schematic of each design case: the inflow hydrograph, the tank, its
// outlet and, with a bypass, the network; each quantity of the form named
// where it stands. Shown on the index, on the sheet and in the manual.

#include "cases/a/case_a_engine.h"
#include "cases/b/case_b_engine.h"
#include "cases/case_input.h"
#include "figures/figure.h"

namespace retencion::figures {

// The drawing of case `letter` (one of kCaseLetters). Case A shows the
// outlet asked (the orifice when none is chosen), case B the conduit asked
// (the rectangular one when none is chosen); the others have one drawing.
Drawing caseDrawing(char letter, CaseAOutlet outlet = CaseAOutlet::Orifice,
                    OutletConduit conduit = OutletConduit::Rectangular);

// The drawing of the case and outlet of a calculation.
Drawing caseDrawing(const CaseInput& input);

} // namespace retencion::figures
