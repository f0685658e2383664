#pragma once
// Case E: a tank with bypass, the interaction between tank and network
// considered. Given the inflow peak Ip and its time Tp, and the outlet (the
// conduit width B, the opening height ho of the orifice and the length L),
// find the surface that brings the outflow peak down to Qp, or the outflow
// peak that a surface S yields, and then the water depth in the tank.

#include "cases/calculation.h"

namespace retencion {

struct CaseEInput {
    double ip = 0;    // inflow peak, m³/s
    double tp = 0;    // time of the inflow peak, s
    double b = 0;     // width of the outlet conduit, m
    double ho = 0;    // height of the orifice's opening, m
    double l = 0;     // the length L, m
    double given = 0; // Surface: the target outflow peak Qp (m³/s); Outflow: the surface S (m²); None: unused
    CalculationType calculation = CalculationType::None;
};

// main: the surface S (m²) in Surface mode, the outflow peak Qp (m³/s) in
// Outflow mode; h: the water depth (m). The depth is checked last, so an
// out-of-range result may still carry `main`.
// readings[0]: the point (reduced surface x, Qp/Ip) on the attenuation
// chart, over the four curves numbered Ip curve × 3 + B curve (0-based, of
// case_e::IpCurves and case_e::BCurves). readings[1]: the point (y, a) on the depth chart,
// between columns iIp-1 and iIp.
using CaseEResult = CaseResult;

CaseEResult CaseEEngine(const CaseEInput& input);

// The masks of the surface (or outflow peak) and of the depth.
constexpr ResultMasks caseEMasks(CalculationType calculation)
{
    return {calculation == CalculationType::Outflow ? "##.##" : "#######", "##.##"};
}

} // namespace retencion
