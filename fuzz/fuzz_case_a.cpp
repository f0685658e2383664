// Case A with any hydrograph, outlet and calculation.
#include "cases/a/case_a_engine.h"
#include "engine_target.h"

using namespace retencion;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzLines lines(data, size);
    CaseAInput in;
    in.calculation = fuzz::calculationOption(lines);
    in.outlet = static_cast<CaseAOutlet>(lines.option(1, 3));
    in.ip = lines.value();
    in.tp = lines.value();
    in.tb = lines.value();
    in.dl = lines.value();
    in.ck = lines.value();
    in.given = lines.value();
    const CaseResult r = CaseAEngine(in);
    fuzz::checkResult(r, test::expected(in), test::known(in, r));
    return 0;
}
