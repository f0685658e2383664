// Case D with any inflow and calculation.
#include "cases/d/case_d_engine.h"
#include "engine_target.h"

using namespace retencion;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzLines lines(data, size);
    CaseDInput in;
    in.calculation = fuzz::calculationOption(lines);
    in.ip = lines.value();
    in.tp = lines.value();
    in.given = lines.value();
    const CaseResult r = CaseDEngine(in);
    fuzz::checkResult(r, test::expected(in), test::known(in, r));
    return 0;
}
