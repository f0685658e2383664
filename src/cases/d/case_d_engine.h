#pragma once
// Case D: a tank with bypass, the interaction between tank and network not
// considered. Given the inflow peak Ip and the time Tp at which it occurs,
// find the volume that brings the outflow peak down to Qp, or the outflow
// peak that a tank of volume V yields.

#include "cases/calculation.h"

namespace retencion {

struct CaseDInput {
    double ip = 0;    // inflow peak, m³/s
    double tp = 0;    // time of the inflow peak, s
    double given = 0; // Volume: the target outflow peak Qp (m³/s); Outflow: the tank volume V (m³)
    CalculationType calculation = CalculationType::None;
};

// main: the volume V (m³) or the outflow peak Qp (m³/s); h is never present,
// case D has no height.
// readings[0]: the point (volume rate W, peak reduction R %) between curves
// c-1 and c (0-based, of case_d::IpCurves).
using CaseDResult = CaseResult;

CaseDResult CaseDEngine(const CaseDInput& input);

// The masks of the volume (or outflow peak), and no height.
constexpr ResultMasks caseDMasks(CalculationType calculation)
{
    return {calculation == CalculationType::Outflow ? "#0.00" : "######.", nullptr};
}

} // namespace retencion
