// Sentences for refusals that the refusal table of every case does not
// reach: a volume that overflows, a computed volume held to a range, and
// intervals open at the top.
#include "cases/d/case_d_engine.h"
#include "cases/refusal_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using namespace retencion;
using Q = Quantity;

namespace {

const Separators kSpanish{",", "."};

TEST(RefusalSentenceEdges, OverflowingVolumeIsExplainedByWhatMadeIt)
{
    const CaseDInput in{25, 1e308, 15, CalculationType::Volume};
    const CaseResult r = CaseDEngine(in);
    ASSERT_TRUE(r.refusal);
    ASSERT_EQ(r.refusal->quantity, Q::ComputedVolume);
    EXPECT_EQ(r.refusal->fault, Fault::NotFinite);
    const std::vector<KnownValue> known{{Q::InflowPeak, in.ip}, {Q::PeakTime, in.tp}, {Q::GivenOutflow, in.given}};
    const std::string text = describeRefusal(*r.refusal, known, kSpanish, in.calculation);
    EXPECT_EQ(text.rfind("Con estos datos el resultado no se puede calcular (Qp = 15 m³/s, Ip = 25 m³/s, Tp = ", 0), 0u)
        << text;
    EXPECT_EQ(text.find("inf"), std::string::npos) << text;
}

TEST(RefusalSentenceEdges, NamesTheRangeAsHeld)
{
    const std::vector<KnownValue> known{{Q::GivenOutflow, 3}, {Q::InflowPeak, 25}, {Q::PeakTime, 3600}};
    const auto sentence = [&](Refusal r) { return describeRefusal(r, known, kSpanish, CalculationType::Outflow); };
    constexpr Limit kBelow1{1, false};
    EXPECT_EQ(sentence({Q::ComputedVolume, -5, StudiedRange::atLeast(0)}),
              "Vol calculado = -5 m³: no es una respuesta física; el intervalo admisible es Vol calculado ≥ 0 m³ "
              "(Qp = 3 m³/s, Ip = 25 m³/s, Tp = 60 min).");
    EXPECT_EQ(sentence({Q::FlowRatio, 1, StudiedRange{Limit{0, true}, kBelow1}}),
              "Qp/Ip = 1: el intervalo estudiado es 0 ≤ Qp/Ip < 1 (Qp = 3 m³/s, Ip = 25 m³/s).");
    EXPECT_EQ(sentence({Q::FlowRatio, 1, StudiedRange{std::nullopt, kBelow1}}),
              "Qp/Ip = 1: el intervalo estudiado es Qp/Ip < 1 (Qp = 3 m³/s, Ip = 25 m³/s).");
}

} // namespace
