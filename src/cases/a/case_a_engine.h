#pragma once
// Case A: a tank without bypass emptying through one orifice or one weir,
// the outlet conduit's influence not considered. Given the triangular inflow
// hydrograph (Ip, Tp, Tb) and the outlet, find the surface that brings the
// outflow peak down to Qp, or the outflow peak that a surface S yields, and
// the head over the outlet.

#include "cases/calculation.h"
#include "numbers/separators.h"

#include <string>

namespace retencion {

enum class CaseAOutlet { None, Orifice, Weir };

struct CaseAInput {
    double ip = 0;    // inflow peak, m³/s
    double tp = 0;    // time of the inflow peak, s
    double tb = 0;    // base time of the hydrograph, s
    double dl = 0;    // orifice diameter D or weir length L, m
    double ck = 0;    // discharge coefficient
    double given = 0; // Surface: the target outflow peak Qp (m³/s); Outflow: the surface S (m²)
    CalculationType calculation = CalculationType::None;
    CaseAOutlet outlet = CaseAOutlet::None;
};

// main: the surface S (m²) or the outflow peak Qp (m³/s); h: the head over
// the outlet (m). readings[0]: the point (x, Qp/Ip) read on the orifice or
// weir chart, between curves k-1 and k (0-based, of case_a::RatioCurves).
using CaseAResult = CaseResult;

CaseAResult CaseAEngine(const CaseAInput& input);

// The law the form's head H comes from, as every text names it: for the weir
// "Q = Ck·L·H^1,5" (no √(2g)), for the orifice "Q = Ck·A·√(2g·H)"; with the
// decimal separator given.
std::string caseAHeadLaw(CaseAOutlet outlet, const Separators& separators);
// The weir chart's own law, the one its outlet parameter is built on:
// "Q = Ck·L·√(2g)·H^1,5".
std::string caseAChartWeirLaw(const Separators& separators);
// The head over a weir of length `l` that discharges `qp` under the chart's
// own law, with the chart's √(2g): the form's H over (√(2g))^(2/3).
double caseAChartWeirHead(double qp, double ck, double l);

// The masks of the surface (or outflow peak) and of the head: the same.
constexpr ResultMasks caseAMasks(CalculationType)
{
    return {"##.##", "##.##"};
}

} // namespace retencion
