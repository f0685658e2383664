// Case E with any inflow, outlet and calculation.
#include "cases/e/case_e_engine.h"
#include "engine_target.h"

using namespace retencion;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzLines lines(data, size);
    const CalculationType mode = fuzz::calculationOption(lines);
    const double ip = lines.value();
    const double tp = lines.value();
    const double b = lines.value();
    const double ho = lines.value();
    const double l = lines.value();
    const double inc = lines.value();
    const CaseResult r = CaseEEngine(ip, tp, b, ho, l, mode, inc);
    fuzz::checkResult(r, test::expectedE(mode), test::knownE(ip, tp, b, ho, l, mode, inc, r));
    return 0;
}
