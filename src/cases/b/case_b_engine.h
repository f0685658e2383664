#pragma once
// Case B: a tank without bypass with a free outlet, the outlet conduit's
// influence considered; the tank empties through one rectangular conduit of
// width B or through N circular conduits of diameter D. Given the inflow
// hydrograph (Ip, Tp, Qb) and the conduit, find the surface that brings the
// outflow peak down to Qp, or the outflow peak that a surface S yields, and
// the water depth in the tank.

#include "cases/calculation.h"

namespace retencion {

enum class OutletConduit { None, Rectangular, Circular };

struct CaseBInput {
    double ip = 0;    // inflow peak, m³/s
    double tp = 0;    // time of the inflow peak, s
    double qb = 0;    // base flow of the hydrograph, m³/s
    double size = 0;  // rectangular width B or circular diameter D, m
    double n = 0;     // number of circular conduits, a whole number; read only with circular conduits
    double given = 0; // Surface: the target outflow peak Qp (m³/s); Outflow: the surface S (m²)
    OutletConduit conduit = OutletConduit::None;
    CalculationType calculation = CalculationType::None;
};

// main: the surface S (m²) or the outflow peak Qp (m³/s); h: the water depth
// in the tank (m). A rectangular-conduit depth parameter outside its range is
// out of range with `main` present.
// readings[0]: rectangular conduit, the point (surface coefficient y, peak
// reduction x %) between reduction-chart curves k-1 and k (0-based, of
// case_b::RatioCurves); circular conduits, the point (e, x %) on the closed formula
// x = 18.535·ln(e) − 23.414. readings[1]: the depth read, (w, H) on the
// depth chart or (v, H) on the line H = 1.0048·v + 0.8888.
using CaseBResult = CaseResult;

CaseBResult CaseBEngine(const CaseBInput& input);

// The masks of the surface (or outflow peak) and of the depth.
constexpr ResultMasks caseBMasks(CalculationType calculation)
{
    return {calculation == CalculationType::Outflow ? "##.##" : "#######.", "##.##"};
}

} // namespace retencion
