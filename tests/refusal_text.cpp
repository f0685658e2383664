#include "cases/refusal_text.h"
#include "cases/a/case_a_engine.h"
#include "cases/b/case_b_engine.h"
#include "cases/c/case_c_engine.h"
#include "cases/d/case_d_engine.h"
#include "cases/e/case_e_engine.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <vector>

using namespace retencion;
using Q = Quantity;

namespace {

// A refused calculation as a panel sees it: the result, and the values it
// read (times in seconds) and found.
struct Refused {
    CaseResult result;
    std::vector<KnownValue> known;
};

constexpr auto kSurface = CalculationType::Surface;
constexpr auto kOutflow = CalculationType::Outflow;
constexpr auto kVolume = CalculationType::Volume;

Refused caseA(double ip, double tpMin, double tbMin, double dl, double ck, double w, CalculationType calc,
              CaseAOutlet outlet = CaseAOutlet::Orifice)
{
    const CaseAInput in{ip, tpMin * 60, tbMin * 60, dl, ck, w, calc, outlet};
    const Q size = outlet == CaseAOutlet::Weir ? Q::WeirLength : Q::OrificeDiameter;
    return {CaseAEngine(in),
            {{Q::InflowPeak, ip},
             {Q::PeakTime, in.tp},
             {Q::BaseTime, in.tb},
             {size, dl},
             {Q::DischargeCoef, ck},
             {calc == kSurface ? Q::GivenOutflow : Q::GivenSurface, w}}};
}

Refused caseB(double ip, double tpMin, double qb, double size, double n, double given, OutletConduit conduit,
              CalculationType calc)
{
    const CaseBInput in{ip, tpMin * 60, qb, size, n, given, conduit, calc};
    const Q sizeQ = conduit == OutletConduit::Circular ? Q::ConduitDiameter : Q::ConduitWidth;
    Refused r{CaseBEngine(in),
              {{Q::InflowPeak, ip},
               {Q::PeakTime, in.tp},
               {Q::BaseFlow, qb},
               {sizeQ, size},
               {Q::ConduitCount, n},
               {calc == kSurface ? Q::GivenOutflow : Q::GivenSurface, given}}};
    if (r.result.main && calc == kSurface) r.known.push_back({Q::ComputedSurface, *r.result.main});
    return r;
}

Refused caseC(double ip, double tpMin, double b, double ho, double inc, CalculationType calc)
{
    const CaseCInput in{ip, tpMin * 60, b, ho, inc, calc};
    return {CaseCEngine(in),
            {{Q::InflowPeak, ip},
             {Q::PeakTime, in.tp},
             {Q::ConduitWidth, b},
             {Q::OpeningHeight, ho},
             {calc == kSurface ? Q::GivenOutflow : Q::GivenSurface, inc}}};
}

Refused caseD(double ip, double tpMin, double inc, CalculationType calc)
{
    const CaseDInput in{ip, tpMin * 60, inc, calc};
    return {CaseDEngine(in),
            {{Q::InflowPeak, ip}, {Q::PeakTime, in.tp}, {calc == kVolume ? Q::GivenOutflow : Q::GivenVolume, inc}}};
}

Refused caseE(double ip, double tpMin, double b, double ho, double l, CalculationType mode, double inc)
{
    Refused r{
        CaseEEngine(ip, tpMin * 60, b, ho, l, mode, inc),
        {{Q::InflowPeak, ip}, {Q::PeakTime, tpMin * 60}, {Q::ConduitWidth, b}, {Q::OpeningHeight, ho}, {Q::Length, l}}};
    if (mode != CalculationType::None) r.known.push_back({mode == kSurface ? Q::GivenOutflow : Q::GivenSurface, inc});
    if (r.result.main && mode == kSurface) r.known.push_back({Q::ComputedSurface, *r.result.main});
    return r;
}

struct Row {
    const char* name;
    std::function<Refused()> refuse;
    Q check;
    const char* sentence; // with a comma as decimal separator
};
void PrintTo(const Row& row, std::ostream* os)
{
    *os << row.name;
}

class RefusalSentence : public testing::TestWithParam<Row> {};

TEST_P(RefusalSentence, NamesTheCheckAndItsRange)
{
    const Row& row = GetParam();
    const Refused r = row.refuse();
    ASSERT_EQ(r.result.outcome, Outcome::OutOfStudiedRange);
    ASSERT_TRUE(r.result.refusal);
    EXPECT_EQ(r.result.refusal->quantity, row.check);
    EXPECT_EQ(describeRefusal(*r.result.refusal, r.known, Separators{",", "."}), row.sentence);
}

constexpr auto kRect = OutletConduit::Rectangular;
constexpr auto kCirc = OutletConduit::Circular;
constexpr double kInf = std::numeric_limits<double>::infinity();

// clang-format off
INSTANTIATE_TEST_SUITE_P(CaseA, RefusalSentence, testing::Values(
    Row{"inflow_peak", [] { return caseA(135, 20, 60, 1, 0.6, 3, kSurface); }, Q::InflowPeak,
        "Ip = 135 m³/s: el intervalo estudiado es 0 < Ip ≤ 130 m³/s."},
    Row{"inflow_peak_not_representable", [] { return caseA(kInf, 20, 60, 1, 0.6, 3, kSurface); }, Q::InflowPeak,
        "Ip no es un número representable: el intervalo estudiado es 0 < Ip ≤ 130 m³/s."},
    Row{"time_of_peak_in_minutes", [] { return caseA(10, 0, 60, 1, 0.6, 3, kSurface); }, Q::PeakTime,
        "Tp = 0 min: el intervalo estudiado es 0 < Tp ≤ 166,667 min."},
    Row{"base_time_after_the_peak", [] { return caseA(10, 20, 20, 1, 0.6, 3, kSurface); }, Q::BaseTime,
        "Tb = 20 min: el intervalo estudiado es 20 < Tb ≤ 240 min (Tp = 20 min)."},
    Row{"orifice_diameter", [] { return caseA(10, 20, 60, 11, 0.6, 3, kSurface); }, Q::OrificeDiameter,
        "D = 11 m: el intervalo estudiado es 0 < D ≤ 10 m."},
    Row{"weir_length", [] { return caseA(10, 20, 60, 0, 1.8, 3, kSurface, CaseAOutlet::Weir); }, Q::WeirLength,
        "L = 0 m: el intervalo estudiado es 0 < L ≤ 10 m."},
    Row{"discharge_coefficient", [] { return caseA(10, 20, 60, 1, 6, 3, kSurface); }, Q::DischargeCoef,
        "Ck = 6: el intervalo estudiado es 0 < Ck ≤ 5."},
    Row{"hydrograph_ratio", [] { return caseA(10, 10, 60, 1, 0.6, 3, kSurface); }, Q::HydrographRatio,
        "2·Tp/Tb = 0,333333: el intervalo estudiado es 0,4 ≤ 2·Tp/Tb ≤ 1,2 (Tp = 10 min, Tb = 60 min)."},
    Row{"target_outflow_above_inflow", [] { return caseA(10, 20, 60, 1, 0.6, 11, kSurface); }, Q::GivenOutflow,
        "Qp = 11 m³/s: el intervalo estudiado es 0 < Qp ≤ 10 m³/s (Ip = 10 m³/s)."},
    Row{"flow_ratio", [] { return caseA(10, 20, 60, 1, 0.6, 0.8, kSurface); }, Q::FlowRatio,
        "Qp/Ip = 0,08: el intervalo estudiado es 0,1 ≤ Qp/Ip ≤ 0,85 (Qp = 0,8 m³/s, Ip = 10 m³/s)."},
    Row{"given_surface", [] { return caseA(10, 20, 60, 1, 0.6, 400, kOutflow); }, Q::GivenSurface,
        "Sup = 400 m²: el intervalo estudiado es 500 < Sup ≤ 90000 m²."},
    Row{"outlet_parameter", [] { return caseA(10, 20, 60, 1, 0.6, 90000, kOutflow); }, Q::OutletParameter,
        "x = 0,0622316: el intervalo estudiado es 0,2 ≤ x ≤ 2,95 (Sup = 90000 m², Ip = 10 m³/s, Tp = 20 min, "
        "Tb = 60 min, D = 1 m, Ck = 0,6)."},
    Row{"no_outlet", [] { return caseA(10, 20, 60, 1, 0.6, 3, kSurface, CaseAOutlet::None); }, Q::OutletSize,
        "No se ha elegido el tipo de salida: sin orificio ni vertedero no hay ábaco que leer."}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(CaseB, RefusalSentence, testing::Values(
    Row{"inflow_peak", [] { return caseB(101, 30, 1, 2, 0, 7, kRect, kSurface); }, Q::InflowPeak,
        "Ip = 101 m³/s: el intervalo estudiado es 0 < Ip ≤ 100 m³/s."},
    Row{"time_of_peak", [] { return caseB(10, 167, 1, 2, 0, 7, kRect, kSurface); }, Q::PeakTime,
        "Tp = 167 min: el intervalo estudiado es 0 < Tp ≤ 166,667 min."},
    Row{"base_flow_above_the_peak", [] { return caseB(10, 30, 11, 2, 0, 7, kRect, kSurface); }, Q::BaseFlow,
        "Qb = 11 m³/s: el intervalo estudiado es 0 < Qb ≤ 10 m³/s (Ip = 10 m³/s)."},
    Row{"conduit_width", [] { return caseB(10, 30, 1, 10.5, 0, 7, kRect, kSurface); }, Q::ConduitWidth,
        "B = 10,5 m: el intervalo estudiado es 0 < B ≤ 10 m."},
    Row{"conduit_diameter", [] { return caseB(10, 30, 1, 0, 2, 7, kCirc, kSurface); }, Q::ConduitDiameter,
        "D = 0 m: el intervalo estudiado es 0 < D ≤ 10 m."},
    Row{"hidden_conduit_count", [] { return caseB(10, 30, 1, 2, 31, 7, kRect, kSurface); }, Q::ConduitCount,
        "N = 31: el intervalo estudiado es 0 ≤ N ≤ 30."},
    Row{"no_circular_conduit", [] { return caseB(10, 30, 1, 1, 0, 7, kCirc, kSurface); }, Q::ConduitCount,
        "N = 0: el intervalo estudiado es 0 < N ≤ 30."},
    Row{"base_flow_ratio", [] { return caseB(10, 30, 3, 2, 0, 7, kRect, kSurface); }, Q::BaseFlowRatio,
        "Qb/Ip = 0,3: el intervalo estudiado es 0,05 ≤ Qb/Ip ≤ 0,2 (Qb = 3 m³/s, Ip = 10 m³/s)."},
    Row{"target_below_base_flow", [] { return caseB(10, 30, 1, 2, 0, 0.5, kRect, kSurface); }, Q::GivenOutflow,
        "Qp = 0,5 m³/s: el intervalo estudiado es 1 ≤ Qp ≤ 10 m³/s (Ip = 10 m³/s, Qb = 1 m³/s)."},
    Row{"peak_reduction", [] { return caseB(10, 30, 1, 2, 0, 9.5, kRect, kSurface); }, Q::PeakReduction,
        "100·(Ip − Qp)/Ip = 5 %: el intervalo estudiado es 10 ≤ 100·(Ip − Qp)/Ip ≤ 52 % (Qp = 9,5 m³/s, "
        "Ip = 10 m³/s)."},
    Row{"given_surface", [] { return caseB(10, 30, 1, 2, 0, 40, kRect, kOutflow); }, Q::GivenSurface,
        "Sup = 40 m²: el intervalo estudiado es 50 ≤ Sup ≤ 1000000 m²."},
    Row{"surface_coefficient", [] { return caseB(10, 30, 1, 2, 0, 100000, kRect, kOutflow); },
        Q::SurfaceCoefficient,
        "Qb^0,75·Sup·(Ip/B)^0,5/Tp = 124,226: el intervalo estudiado es 2 ≤ Qb^0,75·Sup·(Ip/B)^0,5/Tp ≤ 15 "
        "(Qb = 1 m³/s, Sup = 100000 m², Ip = 10 m³/s, B = 2 m, Tp = 30 min = 1800 s)."},
    Row{"depth_parameter_after_the_surface", [] { return caseB(2, 30, 0.2, 2, 0, 1.4, kRect, kSurface); },
        Q::DepthParameter,
        "Ip^3,5·Tp/Sup/B^2,5 = 0,124259: el intervalo estudiado es 7 < Ip^3,5·Tp/Sup/B^2,5 ≤ 100000 (Ip = 2 m³/s, "
        "Tp = 30 min = 1800 s, Sup calculada = 28971,8 m², B = 2 m)."},
    Row{"computed_outflow_not_physical", [] { return caseB(10, 30, 1, 1, 2, 1e6, kCirc, kOutflow); },
        Q::ComputedOutflow,
        "Qp calculado = -4,38973 m³/s: no es una respuesta física; el intervalo admisible es "
        "1 ≤ Qp calculado ≤ 10 m³/s (Sup = 1000000 m², Ip = 10 m³/s, Qb = 1 m³/s, D = 1 m, N = 2, Tp = 30 min)."}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(CaseC, RefusalSentence, testing::Values(
    Row{"inflow_peak", [] { return caseC(8.99, 60, 3, 0.6, 5, kSurface); }, Q::InflowPeak,
        "Ip = 8,99 m³/s: el intervalo estudiado es 9 ≤ Ip ≤ 50 m³/s."},
    Row{"time_of_peak", [] { return caseC(20, -1, 3, 0.6, 5, kSurface); }, Q::PeakTime,
        "Tp = -1 min: el intervalo estudiado es 0 < Tp ≤ 166,667 min."},
    Row{"conduit_width", [] { return caseC(20, 60, 5.01, 0.6, 5, kSurface); }, Q::ConduitWidth,
        "B = 5,01 m: el intervalo estudiado es 2 ≤ B ≤ 5 m."},
    Row{"opening_height", [] { return caseC(20, 60, 3, 0.39, 5, kSurface); }, Q::OpeningHeight,
        "ho = 0,39 m: el intervalo estudiado es 0,4 ≤ ho ≤ 0,8 m."},
    Row{"flow_ratio", [] { return caseC(20, 60, 3, 0.6, 2, kSurface); }, Q::FlowRatio,
        "Qp/Ip = 0,1: el intervalo estudiado es 0,12 ≤ Qp/Ip ≤ 0,38 (Qp = 2 m³/s, Ip = 20 m³/s)."},
    Row{"given_surface", [] { return caseC(20, 60, 3, 0.6, 100001, kOutflow); }, Q::GivenSurface,
        "Sup = 100001 m²: el intervalo estudiado es 50 ≤ Sup ≤ 100000 m²."},
    Row{"surface_index", [] { return caseC(20, 60, 3, 0.6, 50, kOutflow); }, Q::SurfaceIndex,
        "Sup/(Tp·B²) = 0,00154321: el intervalo estudiado es 0,12 ≤ Sup/(Tp·B²) ≤ 2,5 (Sup = 50 m², "
        "Tp = 60 min = 3600 s, B = 3 m)."}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(CaseD, RefusalSentence, testing::Values(
    Row{"time_of_peak", [] { return caseD(25, 0, 15, kVolume); }, Q::PeakTime,
        "Tp = 0 min: el intervalo estudiado es Tp > 0 min."},
    Row{"inflow_peak", [] { return caseD(50.01, 60, 15, kVolume); }, Q::InflowPeak,
        "Ip = 50,01 m³/s: el intervalo estudiado es 20 ≤ Ip ≤ 50 m³/s."},
    Row{"peak_reduction", [] { return caseD(25, 60, 1, kVolume); }, Q::PeakReduction,
        "100·(Ip − Qp)/Ip = 96 %: el intervalo estudiado es 8 ≤ 100·(Ip − Qp)/Ip ≤ 60 % (Qp = 1 m³/s, "
        "Ip = 25 m³/s)."},
    Row{"volume_rate", [] { return caseD(25, 60, 200000, kOutflow); }, Q::VolumeRate,
        "Vol/Tp = 55,5556 m³/s: el intervalo estudiado es Vol/Tp ≤ 40 m³/s (Vol = 200000 m³, Tp = 60 min = 3600 s)."},
    Row{"volume_rate_beyond_a_curve", [] { return caseD(25, 60, 100000, kOutflow); }, Q::VolumeRate,
        "Vol/Tp = 27,7778 m³/s: queda fuera de las curvas del ábaco, que solo cubren 0,0558822 < Vol/Tp ≤ 21,4722 "
        "m³/s (Vol = 100000 m³, Tp = 60 min = 3600 s)."}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(CaseE, RefusalSentence, testing::Values(
    Row{"inflow_peak", [] { return caseE(19.99, 60, 3, 1, 1, kSurface, 10); }, Q::InflowPeak,
        "Ip = 19,99 m³/s: el intervalo estudiado es 20 ≤ Ip ≤ 50 m³/s."},
    Row{"time_of_peak", [] { return caseE(30, 0, 3, 1, 1, kSurface, 10); }, Q::PeakTime,
        "Tp = 0 min: el intervalo estudiado es Tp > 0 min."},
    Row{"conduit_width", [] { return caseE(30, 60, 1.99, 1, 1, kSurface, 10); }, Q::ConduitWidth,
        "B = 1,99 m: el intervalo estudiado es 2 ≤ B ≤ 5 m."},
    Row{"opening_height", [] { return caseE(30, 60, 3, 5.5, 1, kSurface, 10); }, Q::OpeningHeight,
        "ho = 5,5 m: el intervalo estudiado es 0,1 ≤ ho ≤ 5 m."},
    Row{"length", [] { return caseE(30, 60, 3, 1, 0.1, kSurface, 10); }, Q::Length,
        "L = 0,1 m: el intervalo estudiado es L ≥ 0,2 m."},
    Row{"flow_ratio", [] { return caseE(30, 60, 3, 1, 1, kSurface, 24); }, Q::FlowRatio,
        "Qp/Ip = 0,8: el intervalo estudiado es 0,15 ≤ Qp/Ip ≤ 0,75 (Qp = 24 m³/s, Ip = 30 m³/s)."},
    Row{"chart_without_values", [] { return caseE(30, 60, 4.5, 1, 1, kSurface, 20); }, Q::FlowRatio,
        "Qp/Ip = 0,666667: el ábaco no tiene valores ahí, porque una de las curvas que se interpolan termina antes "
        "(Qp = 20 m³/s, Ip = 30 m³/s)."},
    Row{"negative_surface", [] { return caseE(30, 60, 3, 1, 1, kSurface, 4.5); }, Q::ComputedSurface,
        "Sup calculada = -286,782 m²: no es una respuesta física; el intervalo admisible es Sup calculada > 0 m² "
        "(Qp = 4,5 m³/s, Ip = 30 m³/s)."},
    Row{"reduced_surface", [] { return caseE(30, 60, 3, 1, 1, kOutflow, 400); }, Q::ReducedSurface,
        "(Sup/Tp)·(L/ho)^0,3 = 0,111111: el intervalo estudiado es 0,4 ≤ (Sup/Tp)·(L/ho)^0,3 ≤ 8 (Sup = 400 m², "
        "Tp = 60 min = 3600 s, L = 1 m, ho = 1 m)."},
    Row{"depth_index_after_the_surface", [] { return caseE(20, 30, 2, 0.1, 0.2, kSurface, 5); }, Q::DepthIndex,
        "Sup/Tp/B = 0,0994788 m/s: el intervalo estudiado es 0,1 ≤ Sup/Tp/B ≤ 2,1 m/s (Sup calculada = 358,124 m², "
        "Tp = 30 min = 1800 s, B = 2 m)."},
    Row{"no_calculation_chosen", [] { return caseE(30, 60, 3, 1, 1, CalculationType::None, 0); }, Q::DepthIndex,
        "No se ha elegido el tipo de cálculo: sin superficie, Sup/Tp/B = 0 m/s queda fuera del intervalo estudiado "
        "0,1 ≤ Sup/Tp/B ≤ 2,1 m/s."}),
    [](const auto& info) { return info.param.name; });
// clang-format on

TEST(RefusalSentenceTest, UsesThePointWithEnglishSettings)
{
    const auto r = caseA(10, 20, 60, 1, 0.6, 0.8, kSurface);
    EXPECT_EQ(describeRefusal(*r.result.refusal, r.known, Separators{".", ","}),
              "Qp/Ip = 0.08: el intervalo estudiado es 0.1 ≤ Qp/Ip ≤ 0.85 (Qp = 0.8 m³/s, Ip = 10 m³/s).");
}

} // namespace
