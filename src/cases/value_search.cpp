#include "cases/value_search.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace retencion {
namespace {

// Samples over the unknown's range: a result that turns is found as long
// as it crosses the target at least a sample apart.
constexpr int kSamples = 480;
// Bisection steps: each halves the bracket, so 60 reach the last bits of a
// double from any span the samples leave.
constexpr int kSteps = 60;
// Where a range has no end of its own, the search runs to these: no field
// of any case answers beyond them.
constexpr double kFarLow = 1e-6;
constexpr double kFarHigh = 1e9;

// Equal to the last digits a chart's interpolation can keep.
bool near(double y, double value)
{
    return std::abs(y - value) <= 1e-9 * std::max(std::abs(value), 1e-12);
}

struct Probe {
    double x = 0;
    std::optional<double> y; // the target, where the engine answers
};

class Objective {
public:
    explicit Objective(const SearchRequest& r) : m_request(r), m_input(r.input) {}

    Probe operator()(double x)
    {
        m_request.unknown->slot.set(m_input, x);
        return {x, targetOf(calculate(m_input), m_request.target)};
    }

private:
    const SearchRequest& m_request;
    CaseInput m_input;
};

// The unknown's interval to search: its studied range, narrowed to where
// every field of the program is positive, and bounded where it has no end.
Span searchInterval(const SearchRequest& r, bool& lowOpen, bool& highOpen)
{
    StudiedRange range;
    if (r.unknown->range) range = r.unknown->range(r.input);
    double high = range.high ? range.high->value : kFarHigh;
    highOpen = range.high && !range.high->included;
    double low = range.low ? range.low->value : 0;
    lowOpen = range.low && !range.low->included;
    if (low <= 0) {
        // A size, a time or a flow of 0 means nothing; start well below
        // anything that answers.
        low = std::isfinite(high) && high < kFarHigh ? high * kFarLow : kFarLow;
        lowOpen = false;
    }
    return {low, high};
}

double nudgeIn(double v, bool up)
{
    return std::nextafter(v, up ? HUGE_VAL : -HUGE_VAL);
}

// The edge of the stretch where the engine answers, between `in` (answers)
// and `out` (does not).
Probe edge(Objective& f, Probe in, Probe out)
{
    for (int i = 0; i < kSteps; ++i) {
        const double mid = 0.5 * (in.x + out.x);
        if (mid == in.x || mid == out.x) break;
        const Probe p = f(mid);
        (p.y ? in : out) = p;
    }
    return in;
}

// The crossing of the target between a and b, where (y − value) changes
// sign and the engine answers at both.
double crossing(Objective& f, Probe a, Probe b, double value)
{
    for (int i = 0; i < kSteps; ++i) {
        const double mid = 0.5 * (a.x + b.x);
        if (mid == a.x || mid == b.x) break;
        const Probe p = f(mid);
        if (!p.y) break; // a hole inside the stretch: the nearer end will do
        if ((*p.y - value >= 0) == (*a.y - value >= 0))
            a = p;
        else
            b = p;
        if (std::abs(b.x - a.x) <= 1e-13 * std::abs(a.x)) break;
    }
    // The end nearer the target.
    return std::abs(*a.y - value) <= std::abs(*b.y - value) ? a.x : b.x;
}

// The extreme of the target between a and c, where the sample b between
// them is higher (or lower) than both: the peak of a result that turns
// there, found by golden-section search.
Probe extreme(Objective& f, Probe a, Probe c, bool highest)
{
    constexpr double kGolden = 0.6180339887498949;
    Probe best{a.x, a.y};
    for (int i = 0; i < kSteps * 2; ++i) {
        const Probe p = f(c.x - kGolden * (c.x - a.x));
        const Probe q = f(a.x + kGolden * (c.x - a.x));
        if (!p.y || !q.y) break;
        const bool left = highest ? *p.y > *q.y : *p.y < *q.y;
        (left ? c : a) = left ? q : p;
        best = left ? p : q;
        if (std::abs(c.x - a.x) <= 1e-13 * std::abs(a.x)) break;
    }
    return best;
}

void widen(std::optional<Span>& span, double v)
{
    if (!span)
        span = Span{v, v};
    else
        span = Span{std::min(span->low, v), std::max(span->high, v)};
}

SearchAnswer searchWhole(const SearchRequest& r, Span interval)
{
    SearchAnswer answer;
    answer.whole = true;
    Objective f(r);
    const double first = std::max(1.0, std::ceil(interval.low));
    for (double n = first; n <= interval.high; ++n) {
        const Probe p = f(n);
        if (!p.y) continue;
        widen(answer.unknownSpan, n);
        widen(answer.targetSpan, *p.y);
        if (answer.found.empty() && *p.y <= r.value * (1 + 1e-12)) {
            answer.found.push_back(n);
            answer.exact = std::abs(*p.y - r.value) <= 1e-9 * std::abs(r.value);
        }
    }
    return answer;
}

} // namespace

std::optional<double> targetOf(const CaseResult& result, SearchTarget target)
{
    if (result.outcome != Outcome::Computed) return std::nullopt;
    const std::optional<double>& v = target == SearchTarget::Main ? result.main : result.h;
    if (!v || !std::isfinite(*v)) return std::nullopt;
    return v;
}

bool isWhole(const InputField& field)
{
    return field.quantity == Quantity::ConduitCount;
}

std::vector<const InputField*> searchableFields(const CaseInput& input)
{
    std::vector<const InputField*> out;
    const CalculationType c = calculationOf(input);
    const Outlet o = outletOf(input);
    for (const InputField& f : fieldsOf(input).inputs)
        if (f.when.holds(c, o)) out.push_back(&f);
    return out;
}

bool hasHeightTarget(const CaseInput& input)
{
    return resultField(input, true) != nullptr;
}

namespace {

// The values found, each once and each an answer.
void settle(SearchAnswer& answer, Objective& f, double target)
{
    // A target that the unknown does not move is met everywhere or nowhere:
    // no value of it is an answer.
    answer.unmoved = answer.targetSpan && answer.targetSpan->high - answer.targetSpan->low <= 1e-12 * std::abs(target);
    if (answer.unmoved) answer.found.clear();
    // Every value found answers; one found twice (at a sample and by a
    // crossing beside it) is kept once.
    std::sort(answer.found.begin(), answer.found.end());
    answer.found.erase(std::unique(answer.found.begin(), answer.found.end(),
                                   [](double a, double b) { return std::abs(a - b) <= 1e-9 * std::abs(b); }),
                       answer.found.end());
    // A jump of the result across the target (where a chart's bracket
    // changes) is bracketed like a crossing but meets nothing.
    std::erase_if(answer.found, [&](double x) {
        const Probe p = f(x);
        return !p.y || !near(*p.y, target);
    });
}

} // namespace

SearchAnswer searchValue(const SearchRequest& r)
{
    bool lowOpen = false, highOpen = false;
    Span interval = searchInterval(r, lowOpen, highOpen);
    if (lowOpen) interval.low = nudgeIn(interval.low, true);
    if (highOpen) interval.high = nudgeIn(interval.high, false);
    if (!(interval.low < interval.high) || !std::isfinite(r.value)) return {};
    if (isWhole(*r.unknown)) return searchWhole(r, interval);

    SearchAnswer answer;
    Objective f(r);
    const bool logSpaced = interval.high / interval.low >= 20;
    const auto sampleAt = [&](int i) {
        if (i == kSamples - 1) return interval.high;
        const double t = double(i) / (kSamples - 1);
        return logSpaced ? interval.low * std::pow(interval.high / interval.low, t)
                         : interval.low + t * (interval.high - interval.low);
    };

    Probe last = f(sampleAt(0));
    Probe before;
    const auto keep = [&](const Probe& p) {
        widen(answer.unknownSpan, p.x);
        widen(answer.targetSpan, *p.y);
        if (*p.y == r.value) answer.found.push_back(p.x);
    };
    if (last.y) keep(last);
    for (int i = 1; i < kSamples; ++i) {
        Probe p = f(sampleAt(i));
        if (last.y && !p.y) {
            const Probe end = edge(f, last, p);
            keep(end);
            if ((*end.y - r.value) * (*last.y - r.value) < 0) answer.found.push_back(crossing(f, last, end, r.value));
        } else if (!last.y && p.y) {
            const Probe start = edge(f, p, last);
            keep(start);
            if ((*start.y - r.value) * (*p.y - r.value) < 0) answer.found.push_back(crossing(f, start, p, r.value));
            keep(p);
        } else if (last.y && p.y) {
            keep(p);
            if ((*p.y - r.value) * (*last.y - r.value) < 0) answer.found.push_back(crossing(f, last, p, r.value));
            // A result that turns at the target touches it without crossing.
            if (before.y && (*last.y - *before.y) * (*p.y - *last.y) < 0) {
                const Probe top = extreme(f, before, p, *last.y > *p.y);
                if (near(*top.y, r.value)) answer.found.push_back(top.x);
            }
        }
        before = last;
        last = p;
    }
    settle(answer, f, r.value);
    return answer;
}

} // namespace retencion
