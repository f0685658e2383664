#pragma once
// Case C: a tank without bypass whose outlet conduit runs submerged, the
// conduit's influence considered. Given the inflow peak Ip and its time Tp,
// and the width B and opening height ho of the outlet conduit, find the
// surface that brings the outflow peak down to Qp, or the outflow peak that a
// surface S yields, and in every case the water height in the tank.

#include "cases/calculation.h"

namespace retencion {

struct CaseCInput {
    double ip = 0;    // inflow peak, m³/s
    double tp = 0;    // time of the inflow peak, s
    double b = 0;     // width of the outlet conduit, m
    double ho = 0;    // height of the conduit's opening, m
    double given = 0; // Surface: the target outflow peak Qp (m³/s); Outflow: the surface S (m²); None: unused
    CalculationType calculation = CalculationType::None;
};

// main: the surface S (m²) or the outflow peak Qp (m³/s), absent when no
// calculation type is chosen; h: the water height (m), present on every
// computed result.
// readings[0] (surface and outflow): the point (X, r) on the power curves,
// weighted over the four corner curves numbered ho node × 7 + Ip node.
// readings[1]: the point (X, Y) on the height lines, over the four lines
// numbered B node × 5 + row.
using CaseCResult = CaseResult;

CaseCResult CaseCEngine(const CaseCInput& input);

// The masks of the surface (or outflow peak) and of the height.
constexpr ResultMasks caseCMasks(CalculationType calculation)
{
    return {calculation == CalculationType::Outflow ? "###.##" : "#######.", "##.##"};
}

} // namespace retencion
