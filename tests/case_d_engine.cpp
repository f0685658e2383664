// Case D against its worked examples, the bounds of R and W, chart points,
// and the decisions on a time of 0 and on volume rates off the curves. The
// worked volumes are known to 0.1 m³ and the worked outflow peaks to 1e-4
// m³/s; the rows on bounds and chart points were worked by hand from the
// chart values and are held to 1e-6.
#include "engine_rows.h"

#include <gtest/gtest.h>

using namespace retencion;
using namespace retencion::test;

namespace {

constexpr auto V = CalculationType::Volume;
constexpr auto O = CalculationType::Outflow;
constexpr auto kOffCurve = Fault::OutsideCurve;
using Q = Quantity;

// A volume or an outflow peak: case D finds no height.
Want mainOnly(double v, double tolerance)
{
    return gives(v, tolerance, std::nullopt, 0);
}

// R = (25 − 23)·100/25 = 8 and (50 − 20)·100/50 = 60 exactly; R = 56.3523 is
// point 12 of curve 3, which curves 1 and 2 do not have. Ip = 35 reads curve
// 2 alone, up to its last point. Every curve in use must hold W, even curve
// 2 at Ip = 50 where it weighs nothing.
// clang-format off
INSTANTIATE_TEST_SUITE_P(CaseD, EngineRow, testing::Values(
    Row{"VolumeIp25ReadsCurves1And2", CaseDInput{25, 3600, 15, V}, mainOnly(38936.0, 0.05)},
    Row{"VolumeIp20OnFirstNodeReadsCurve1Alone", CaseDInput{20, 3600, 15, V}, mainOnly(16366.7, 0.05)},
    Row{"VolumeIp35TakesTheUpperBracket", CaseDInput{35, 5400, 20, V}, mainOnly(84885.6, 0.05)},
    Row{"VolumeIp50IsAcceptedAndReadsCurve3", CaseDInput{50, 3600, 30, V}, mainOnly(71596.4, 0.05)},
    Row{"OutflowIp25W10", CaseDInput{25, 3600, 36000, O}, mainOnly(15.2902, 5e-5)},
    Row{"OutflowIp40ReadsCurves2And3", CaseDInput{40, 1800, 20000, O}, mainOnly(27.3235, 5e-5)},
    Row{"VolumeReductionOf8IsAccepted", CaseDInput{25, 1, 23, V}, mainOnly(0.99998445, 1e-6)},
    Row{"VolumeReductionOf60IsAccepted", CaseDInput{50, 1, 20, V}, mainOnly(36.47129667, 1e-6)},
    Row{"VolumeOnPoint12OfCurve3", CaseDInput{50, 1, 21.82385, V}, mainOnly(33.1439, 1e-6)},
    Row{"OutflowOnLastPointOfCurve2", CaseDInput{35, 1, 31.7554, O}, mainOnly(10.97313, 1e-6)},
    Row{"OutflowJustAboveFirstPointOfCurve2", CaseDInput{20, 1, 0.225375, O}, mainOnly(19.3458567, 1e-6)},
    // A time of 0, as from an empty field, would give a volume of 0 or divide by 0.
    Row{"TpZeroWithVolume", CaseDInput{25, 0, 15, V}, refuses(Q::PeakTime)},
    Row{"TpZeroWithOutflow", CaseDInput{25, 0, 36000, O}, refuses(Q::PeakTime)},
    Row{"TpIsCheckedBeforeIp", CaseDInput{10, 0, 15, V}, refuses(Q::PeakTime)},
    Row{"IpIsCheckedWithNoCalculationType", CaseDInput{10, 3600, 0, CalculationType::None}, refuses(Q::InflowPeak)},
    Row{"NoCalculationType", CaseDInput{25, 3600, 15, CalculationType::None}, nothing()},
    Row{"VolumeRate40BeyondCurve2AtIp50", CaseDInput{50, 1, 40, O}, refuses(Q::VolumeRate, kOffCurve)},
    Row{"OnFirstPointOfCurve1", CaseDInput{25, 1, 0.0558822, O}, refuses(Q::VolumeRate, kOffCurve)},
    Row{"BelowFirstPointOfCurve2Only", CaseDInput{25, 1, 0.1, O}, refuses(Q::VolumeRate, kOffCurve)}),
    rowName);
// clang-format on

} // namespace
