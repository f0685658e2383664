// Case E with any inflow, outlet and calculation.
#include "cases/e/case_e_engine.h"
#include "engine_target.h"

using namespace retencion;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzLines lines(data, size);
    CaseEInput in;
    in.calculation = fuzz::calculationOption(lines);
    in.ip = lines.value();
    in.tp = lines.value();
    in.b = lines.value();
    in.ho = lines.value();
    in.l = lines.value();
    in.given = lines.value();
    const CaseResult r = CaseEEngine(in);
    fuzz::checkResult(r, test::expectedE(in.calculation), test::knownE(in, r));
    return 0;
}
