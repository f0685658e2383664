#include "cases/known_values.h"

#include <initializer_list>

namespace retencion {
namespace {

using Q = Quantity;

// The given value is read only when a calculation is chosen, and last; the
// main value found follows it. An outflow calculation is given the tank's
// size: its surface, or its volume in case D.
KnownValues withGiven(std::initializer_list<KnownValue> read, CalculationType c, double given, const CaseResult& r,
                      Quantity tankSize = Q::GivenSurface)
{
    KnownValues k;
    for (const KnownValue& v : read)
        k.add(v.quantity, v.value);
    if (c != CalculationType::None) k.add(c == CalculationType::Outflow ? tankSize : Q::GivenOutflow, given);
    if (r.main) k.add(computedQuantity(c), *r.main);
    return k;
}

} // namespace

KnownValues knownValues(const CaseAInput& in, const CaseResult& r)
{
    return withGiven({{Q::InflowPeak, in.ip},
                      {Q::PeakTime, in.tp},
                      {Q::BaseTime, in.tb},
                      {in.outlet == CaseAOutlet::Orifice ? Q::OrificeDiameter
                       : in.outlet == CaseAOutlet::Weir  ? Q::WeirLength
                                                         : Q::OutletSize,
                       in.dl},
                      {Q::DischargeCoef, in.ck}},
                     in.calculation, in.given, r);
}

KnownValues knownValues(const CaseBInput& in, const CaseResult& r)
{
    return withGiven({{Q::InflowPeak, in.ip},
                      {Q::PeakTime, in.tp},
                      {Q::BaseFlow, in.qb},
                      {in.conduit == OutletConduit::Circular ? Q::ConduitDiameter : Q::ConduitWidth, in.size},
                      {Q::ConduitCount, in.n}},
                     in.calculation, in.given, r);
}

KnownValues knownValues(const CaseCInput& in, const CaseResult& r)
{
    return withGiven({{Q::InflowPeak, in.ip}, {Q::PeakTime, in.tp}, {Q::ConduitWidth, in.b}, {Q::OpeningHeight, in.ho}},
                     in.calculation, in.given, r);
}

KnownValues knownValues(const CaseDInput& in, const CaseResult& r)
{
    return withGiven({{Q::InflowPeak, in.ip}, {Q::PeakTime, in.tp}}, in.calculation, in.given, r, Q::GivenVolume);
}

KnownValues knownValues(const CaseEInput& in, const CaseResult& r)
{
    return withGiven({{Q::InflowPeak, in.ip},
                      {Q::PeakTime, in.tp},
                      {Q::ConduitWidth, in.b},
                      {Q::OpeningHeight, in.ho},
                      {Q::Length, in.l}},
                     in.calculation, in.given, r);
}

} // namespace retencion
