#include "figures/case_drawings.h"

#include "figures/case_figures.h"

namespace retencion::figures {

Drawing caseDrawing(char letter, CaseAOutlet outlet, OutletConduit conduit)
{
    // Any other letter draws the last case, as the tabs end with it.
    CaseInput input = inputOfCase(letter).value_or(CaseInput{std::in_place_index<kCaseLetters.size() - 1>});
    if (auto* a = std::get_if<CaseAInput>(&input)) a->outlet = outlet;
    if (auto* b = std::get_if<CaseBInput>(&input)) b->conduit = conduit;
    return caseDrawing(input);
}

Drawing caseDrawing(const CaseInput& input)
{
    return std::visit([](const auto& in) { return caseDrawingOf(in); }, input);
}

} // namespace retencion::figures
