#pragma once
// What every design case shares: what the form asks for, the studied range
// that a value is held to, and the shape of a result.

#include "cases/chart_math.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>

namespace retencion {

// The first option group of every panel. `None` is an ordinary input: no
// option is selected when the window opens.
enum class CalculationType { None, Surface, Volume, Outflow };

enum class Outcome { Computed, OutOfStudiedRange, NothingToCompute };

// The quantity that a range check holds to its studied interval: a typed
// input, or a ratio derived from several of them.
enum class Quantity {
    // typed inputs
    InflowPeak,      // Ip, m³/s
    PeakTime,        // Tp, s
    BaseTime,        // Tb, s
    OrificeDiameter, // D (case A orifice), m
    WeirLength,      // L (case A weir), m
    OutletSize,      // DL of case A with no outlet chosen, m
    DischargeCoef,   // Ck
    BaseFlow,        // Qb, m³/s
    ConduitWidth,    // B, m
    ConduitDiameter, // D (case B circular), m
    ConduitCount,    // N
    OpeningHeight,   // ho, m
    Length,          // L (case E), m
    GivenOutflow,    // Qp typed as the target, m³/s
    GivenSurface,    // S typed as the tank surface, m²
    GivenVolume,     // V typed as the tank volume, m³
    // derived
    HydrographRatio,    // r = Ip·Tp/Vin = 2·Tp/Tb (case A)
    FlowRatio,          // Qp/Ip (cases A, C, E)
    OutletParameter,    // x of the case A charts
    BaseFlowRatio,      // Qb/Ip (case B)
    PeakReduction,      // 100·(Ip − Qp)/Ip (cases B and D)
    SurfaceCoefficient, // y = Qb^0.75·S·(Ip/B)^0.5/Tp (case B)
    DepthParameter,     // w = Ip^3.5·Tp/S/B^2.5 (case B)
    SurfaceIndex,       // X = S/(Tp·B²) (case C)
    VolumeRate,         // W = V/Tp (case D)
    ReducedSurface,     // x = (S/Tp)·(L/ho)^0.3 (case E)
    DepthIndex,         // y = S/Tp/B (case E)
    ComputedOutflow,    // an outflow peak found by a formula (case B circular)
    ComputedSurface,    // a surface found by extrapolating a chart (case E)
    ComputedVolume,     // a volume found from a chart (case D)
};

// Why a calculation was refused: a value outside its studied interval, or a
// fault of the charts or formulas that is reported the same way.
enum class Fault {
    OutsideStudiedRange, // `value` lies outside [low, high]
    NoOutlet,            // case A surface with no outlet chosen
    ChartHasNoValue,     // the chart segment to read is empty (0/0)
    OutsideCurve,        // the value lies beyond the ends of a chart curve
    NotFinite,           // the result would not be a finite number
    NoCalculationChosen, // the check refused the value that no calculation type gives (case E)
    NotWholeNumber,      // a count (of conduits) with a fraction, inside [low, high] or not
};

struct Limit {
    double value = 0;
    bool included = true;
};

// An interval with each end open or closed; an absent end is unbounded.
// Non-finite values never hold: they are always out of range.
struct StudiedRange {
    std::optional<Limit> low;
    std::optional<Limit> high;

    constexpr bool holds(double v) const
    {
        if (!std::isfinite(v)) return false;
        if (low && (low->included ? v < low->value : v <= low->value)) return false;
        if (high && (high->included ? v > high->value : v >= high->value)) return false;
        return true;
    }

    static constexpr StudiedRange closed(double a, double b) { return {Limit{a, true}, Limit{b, true}}; }
    static constexpr StudiedRange openClosed(double a, double b) { return {Limit{a, false}, Limit{b, true}}; }
    static constexpr StudiedRange atLeast(double a) { return {Limit{a, true}, std::nullopt}; }
    static constexpr StudiedRange above(double a) { return {Limit{a, false}, std::nullopt}; }
    static constexpr StudiedRange atMost(double b) { return {std::nullopt, Limit{b, true}}; }
};

struct Refusal {
    Quantity quantity = Quantity::InflowPeak;
    double value = 0;
    StudiedRange range;
    Fault fault = Fault::OutsideStudiedRange;
};

// Where a calculation read a chart, for drawing it: the point read, in the
// chart's own coordinates, and the curves interpolated between with their
// weights. What "curve" numbers mean is each case's own.
struct CurveWeight {
    std::uint8_t curve = 0;
    double weight = 0;
};

struct ChartReading {
    double x = 0;
    double y = 0;
    std::array<CurveWeight, 4> curves{};
    std::uint8_t curveCount = 0;
};

// The point (x, y) read between curves k-1 and k of a family, weighted as
// the linear interpolation across them at the parameter p gives.
inline ChartReading readingBetween(double x, double y, std::span<const double> parameters, std::size_t k, double p)
{
    const double t = chart::fractionBetween(parameters, k, p);
    return {x, y, {CurveWeight{std::uint8_t(k - 1), 1 - t}, CurveWeight{std::uint8_t(k), t}}, 2};
}

// The point (x, y) read among four corner curves, with the weights that
// chart::cornerWeights gives, corner for corner.
inline ChartReading readingAmong(double x, double y, std::array<std::uint8_t, 4> corners, std::array<double, 4> weights)
{
    ChartReading reading{x, y, {}, 4};
    for (std::size_t i = 0; i < 4; ++i)
        reading.curves[i] = CurveWeight{corners[i], weights[i]};
    return reading;
}

// A calculation's answer. `main` and `h` are present only where the case
// found them; cases B and E can be out of range with `main` present, since
// their depth check comes last.
struct CaseResult {
    Outcome outcome = Outcome::Computed;
    std::optional<double> main;
    std::optional<double> h;
    std::optional<Refusal> refusal; // present exactly when out of range
    // The charts read by a computed result (a case has one or two charts);
    // they change no value.
    std::array<std::optional<ChartReading>, 2> readings{};

    bool outOfRange() const { return outcome == Outcome::OutOfStudiedRange; }
};

// How the form writes a case's answer: the mask of the main result (the
// surface, volume or outflow peak) and of the height, or none where the case
// has no height.
struct ResultMasks {
    const char* main;
    const char* height;
};

// What a main result is, for the sentence that explains a refusal.
constexpr Quantity computedQuantity(CalculationType c)
{
    return c == CalculationType::Outflow  ? Quantity::ComputedOutflow
           : c == CalculationType::Volume ? Quantity::ComputedVolume
                                          : Quantity::ComputedSurface;
}

inline CaseResult computed(double main, std::optional<double> h)
{
    return {Outcome::Computed, main, h, std::nullopt, {}};
}

inline CaseResult nothingToCompute()
{
    return {Outcome::NothingToCompute, std::nullopt, std::nullopt, std::nullopt, {}};
}

// A refusal, keeping the main value where the case found it before the
// check that failed.
inline CaseResult refused(Refusal why, std::optional<double> main = std::nullopt)
{
    return {Outcome::OutOfStudiedRange, main, std::nullopt, why, {}};
}

inline CaseResult refused(Quantity q, double value, StudiedRange range, std::optional<double> main = std::nullopt)
{
    return refused(Refusal{q, value, range, Fault::OutsideStudiedRange}, main);
}

// The last guard of every engine: a value that is not a finite number is
// never an answer.
inline std::optional<Refusal> notFinite(Quantity q, double value)
{
    if (std::isfinite(value)) return std::nullopt;
    return Refusal{q, value, {}, Fault::NotFinite};
}

} // namespace retencion
