#pragma once
// Case E: a tank with bypass, the interaction between tank and network
// considered. Given the inflow peak Ip and its time Tp, and the outlet (the
// conduit width B, the opening height ho of the orifice and the length L),
// find the surface that brings the outflow peak down to Qp, or the outflow
// peak that a surface S yields, and then the water depth in the tank.

#include "cases/calculation.h"

namespace retencion {

// main: the surface S (m²) in Surface mode, the outflow peak Qp (m³/s) in
// Outflow mode; h: the water depth (m). The depth is checked last, so an
// out-of-range result may still carry `main`.
// readings[0]: the point (reduced surface x, Qp/Ip) on the attenuation
// chart, over the four curves numbered Ip curve × 3 + B curve (0-based, of
// EIpCurves and EBCurves). readings[1]: the point (y, a) on the depth chart,
// between columns iIp-1 and iIp.
using CaseEResult = CaseResult;

// ip: inflow peak, m³/s; tp: time of the inflow peak, s; b: width of the
// outlet conduit, m; ho: height of the orifice's opening, m; l: the length L,
// m; inc: Surface mode, the target outflow peak Qp (m³/s); Outflow mode, the
// surface S (m²); not used otherwise.
CaseEResult CaseEEngine(double ip, double tp, double b, double ho, double l, CalculationType mode, double inc);

} // namespace retencion
