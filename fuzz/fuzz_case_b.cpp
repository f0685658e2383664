// Case B with any hydrograph, conduit and calculation.
#include "cases/b/case_b_engine.h"
#include "engine_target.h"

using namespace retencion;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzLines lines(data, size);
    CaseBInput in;
    in.calculation = fuzz::calculationOption(lines);
    in.conduit = static_cast<OutletConduit>(lines.option(1, 3));
    in.ip = lines.value();
    in.tp = lines.value();
    in.qb = lines.value();
    in.size = lines.value();
    in.n = lines.value();
    in.given = lines.value();
    const CaseResult r = CaseBEngine(in);
    fuzz::checkResult(r, test::expected(in), test::known(in, r));
    return 0;
}
