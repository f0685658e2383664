#pragma once
// What every engine promises of every result, whatever it was given: a
// computed result holds finite values, exactly those its case writes; a
// refusal names a value that really fails the check it names; and the
// sentence that explains a refusal never shows an infinity or a NaN. Shared
// by the random sweep and the fuzz targets, which feed the engines anything.

#include "cases/a/case_a_engine.h"
#include "cases/b/case_b_engine.h"
#include "cases/c/case_c_engine.h"
#include "cases/calculation.h"
#include "cases/d/case_d_engine.h"
#include "cases/refusal_text.h"

#include <array>
#include <cmath>
#include <span>
#include <string>

namespace retencion::test {

// Which values a computed result of one case and calculation carries, and
// whether a refusal may still carry the main value (cases B and E check the
// depth last).
struct Expected {
    bool main = true;
    bool height = true;
    bool mainWhenRefused = false;
};

// The chart readings a result carries, for drawing: finite points, and
// weights of the curves read that share the point out among them (a point
// on a closed formula has no curves).
inline std::string readingFault(const CaseResult& r)
{
    for (const auto& reading : r.readings) {
        if (!reading) continue;
        if (!std::isfinite(reading->x) || !std::isfinite(reading->y)) return "a chart reading off any chart";
        if (reading->curveCount > reading->curves.size()) return "a chart reading with too many curves";
        if (reading->curveCount == 0) continue;
        double sum = 0;
        for (std::size_t i = 0; i < reading->curveCount; ++i)
            sum += reading->curves[i].weight;
        if (!(std::fabs(sum - 1) < 1e-9)) return "the weights of the curves read do not add up to 1";
    }
    return {};
}

// Empty when `r` keeps the promises, otherwise what it breaks.
inline std::string resultFault(const CaseResult& r, Expected expected)
{
    const auto finiteIfPresent = [](const std::optional<double>& v) { return !v || std::isfinite(*v); };
    switch (r.outcome) {
    case Outcome::Computed:
        if (r.refusal) return "a computed result carries a refusal";
        if (r.main.has_value() != expected.main) return "computed main value present where it should not be, or absent";
        if (r.h.has_value() != expected.height) return "computed height present where it should not be, or absent";
        if (!finiteIfPresent(r.main)) return "computed main value is not finite";
        if (!finiteIfPresent(r.h)) return "computed height is not finite";
        return readingFault(r);
    case Outcome::NothingToCompute:
        if (r.main || r.h || r.refusal) return "nothing to compute, yet something is present";
        return {};
    case Outcome::OutOfStudiedRange:
        break;
    }
    if (!r.refusal) return "out of range without a refusal";
    if (r.h) return "out of range with a height";
    if (r.main && !expected.mainWhenRefused) return "out of range with a main value in a case that never keeps one";
    if (!finiteIfPresent(r.main)) return "out of range with a non-finite main value";
    const Refusal& why = *r.refusal;
    switch (why.fault) {
    case Fault::OutsideStudiedRange:
    case Fault::NoCalculationChosen:
        if (why.range.holds(why.value)) return "the refused value lies inside the range it is refused for";
        break;
    case Fault::NotFinite:
        if (std::isfinite(why.value)) return "a finite value refused as not finite";
        break;
    case Fault::ChartHasNoValue:
    case Fault::OutsideCurve:
        // The value has passed its own range check before the chart is read.
        if (!std::isfinite(why.value)) return "a chart fault on a value that is not finite";
        break;
    case Fault::NoOutlet:
        break;
    }
    return {};
}

// Empty when the sentence for `refusal` reads well under both the point and
// the comma as decimal separator, otherwise what is wrong with it.
inline std::string refusalTextFault(const Refusal& refusal, std::span<const KnownValue> known)
{
    for (const Separators& s : {Separators{".", ","}, Separators{",", "."}}) {
        std::string text = describeRefusal(refusal, known, s);
        if (text.empty()) return "empty sentence";
        for (char& c : text)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (text.find("inf") != std::string::npos || text.find("nan") != std::string::npos)
            return "the sentence shows a non-finite number: " + describeRefusal(refusal, known, s);
    }
    return {};
}

// The values a panel knows when it explains a refusal: what it read (times
// in seconds) and the main value the calculation found. Fixed storage, so
// that building it allocates nothing.
class KnownValues {
public:
    void add(Quantity q, double v)
    {
        if (m_count < m_values.size()) m_values[m_count++] = {q, v};
    }
    std::span<const KnownValue> span() const { return {m_values.data(), m_count}; }

private:
    std::array<KnownValue, 8> m_values{};
    std::size_t m_count = 0;
};

inline bool calculates(CalculationType c, CalculationType first)
{
    return c == first || c == CalculationType::Outflow;
}

// Case by case: what a result holds, and what the panel knows about it.
inline Expected expected(const CaseAInput& in)
{
    return {calculates(in.calculation, CalculationType::Surface), true, false};
}
inline Expected expected(const CaseBInput& in)
{
    return {calculates(in.calculation, CalculationType::Surface), true, true};
}
inline Expected expected(const CaseCInput& in)
{
    return {calculates(in.calculation, CalculationType::Surface), true, false};
}
inline Expected expected(const CaseDInput& in)
{
    return {calculates(in.calculation, CalculationType::Volume), false, false};
}
inline Expected expectedE(CalculationType mode)
{
    return {calculates(mode, CalculationType::Surface), true, true};
}

inline void addGivenAndFound(KnownValues& k, CalculationType c, CalculationType first, Quantity givenFirst,
                             Quantity givenOutflowMode, Quantity foundFirst, double given, const CaseResult& r)
{
    if (c == first) k.add(givenFirst, given);
    if (c == CalculationType::Outflow) k.add(givenOutflowMode, given);
    if (r.main) k.add(c == first ? foundFirst : Quantity::ComputedOutflow, *r.main);
}

inline KnownValues known(const CaseAInput& in, const CaseResult& r)
{
    using Q = Quantity;
    KnownValues k;
    k.add(Q::InflowPeak, in.ip);
    k.add(Q::PeakTime, in.tp);
    k.add(Q::BaseTime, in.tb);
    k.add(in.outlet == CaseAOutlet::Orifice ? Q::OrificeDiameter
          : in.outlet == CaseAOutlet::Weir  ? Q::WeirLength
                                            : Q::OutletSize,
          in.dl);
    k.add(Q::DischargeCoef, in.ck);
    addGivenAndFound(k, in.calculation, CalculationType::Surface, Q::GivenOutflow, Q::GivenSurface, Q::ComputedSurface,
                     in.w, r);
    return k;
}

inline KnownValues known(const CaseBInput& in, const CaseResult& r)
{
    using Q = Quantity;
    KnownValues k;
    k.add(Q::InflowPeak, in.ip);
    k.add(Q::PeakTime, in.tp);
    k.add(Q::BaseFlow, in.qb);
    k.add(in.conduit == OutletConduit::Circular ? Q::ConduitDiameter : Q::ConduitWidth, in.size);
    k.add(Q::ConduitCount, in.n);
    addGivenAndFound(k, in.calculation, CalculationType::Surface, Q::GivenOutflow, Q::GivenSurface, Q::ComputedSurface,
                     in.given, r);
    return k;
}

inline KnownValues known(const CaseCInput& in, const CaseResult& r)
{
    using Q = Quantity;
    KnownValues k;
    k.add(Q::InflowPeak, in.ip);
    k.add(Q::PeakTime, in.tp);
    k.add(Q::ConduitWidth, in.b);
    k.add(Q::OpeningHeight, in.ho);
    addGivenAndFound(k, in.calculation, CalculationType::Surface, Q::GivenOutflow, Q::GivenSurface, Q::ComputedSurface,
                     in.inc, r);
    return k;
}

inline KnownValues known(const CaseDInput& in, const CaseResult& r)
{
    using Q = Quantity;
    KnownValues k;
    k.add(Q::InflowPeak, in.ip);
    k.add(Q::PeakTime, in.tp);
    addGivenAndFound(k, in.calculation, CalculationType::Volume, Q::GivenOutflow, Q::GivenVolume, Q::ComputedVolume,
                     in.inc, r);
    return k;
}

inline KnownValues knownE(double ip, double tp, double b, double ho, double l, CalculationType mode, double inc,
                          const CaseResult& r)
{
    using Q = Quantity;
    KnownValues k;
    k.add(Q::InflowPeak, ip);
    k.add(Q::PeakTime, tp);
    k.add(Q::ConduitWidth, b);
    k.add(Q::OpeningHeight, ho);
    k.add(Q::Length, l);
    addGivenAndFound(k, mode, CalculationType::Surface, Q::GivenOutflow, Q::GivenSurface, Q::ComputedSurface, inc, r);
    return k;
}

} // namespace retencion::test
