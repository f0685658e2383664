// Case C with any inflow, conduit and calculation.
#include "cases/c/case_c_engine.h"
#include "engine_target.h"

using namespace retencion;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzLines lines(data, size);
    CaseCInput in;
    in.calculation = fuzz::calculationOption(lines);
    in.ip = lines.value();
    in.tp = lines.value();
    in.b = lines.value();
    in.ho = lines.value();
    in.given = lines.value();
    const CaseResult r = CaseCEngine(in);
    fuzz::checkResult(r, test::expected(in), test::known(in, r));
    return 0;
}
