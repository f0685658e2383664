// The sentence that explains each refusal of each case, with the values a
// panel knows, and the check it names.
#include "engine_result_checks.h"

#include <gtest/gtest.h>

#include <limits>

using namespace retencion;
using namespace retencion::test;
using Q = Quantity;

namespace {

constexpr auto kSurface = CalculationType::Surface;
constexpr auto kOutflow = CalculationType::Outflow;
constexpr auto kVolume = CalculationType::Volume;
constexpr auto kRect = OutletConduit::Rectangular;
constexpr auto kCirc = OutletConduit::Circular;
constexpr double kInf = std::numeric_limits<double>::infinity();

// A refused calculation as a panel sees it: the result, and the values it
// read (times typed in minutes, passed on in seconds) and found.
struct Refused {
    CaseResult result;
    KnownValues known;
    CalculationType calculation;
};

// The same, with the field of `q` left empty.
Refused empty(Refused r, Q q)
{
    r.known.markMissing(q);
    return r;
}

// What a case's engine gives for `in`, with what its panel knows.
template <class Input> Refused refusal(CaseResult (*engine)(const Input&), const Input& in)
{
    const CaseResult r = engine(in);
    return {r, knownValues(in, r), in.calculation};
}

// clang-format off
Refused caseA(double ip, double tp, double tb, double dl, double ck, double w, CalculationType calc,
              CaseAOutlet outlet = CaseAOutlet::Orifice)
{
    return refusal(CaseAEngine, CaseAInput{ip, tp * 60, tb * 60, dl, ck, w, calc, outlet});
}
Refused caseB(double ip, double tp, double qb, double d, double n, double w, OutletConduit conduit, CalculationType calc)
{
    return refusal(CaseBEngine, CaseBInput{ip, tp * 60, qb, d, n, w, conduit, calc});
}
Refused caseC(double ip, double tp, double b, double ho, double w, CalculationType calc)
{
    return refusal(CaseCEngine, CaseCInput{ip, tp * 60, b, ho, w, calc});
}
Refused caseD(double ip, double tp, double w, CalculationType calc)
{
    return refusal(CaseDEngine, CaseDInput{ip, tp * 60, w, calc});
}
Refused caseE(double ip, double tp, double b, double ho, double l, CalculationType calc, double w)
{
    return refusal(CaseEEngine, CaseEInput{ip, tp * 60, b, ho, l, w, calc});
}
// clang-format on

struct Row {
    const char* name;
    Refused refused;
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
    const auto& [name, r, check, sentence] = GetParam();
    ASSERT_EQ(r.result.outcome, Outcome::OutOfStudiedRange);
    ASSERT_TRUE(r.result.refusal);
    EXPECT_EQ(r.result.refusal->quantity, check);
    EXPECT_EQ(describeRefusal(*r.result.refusal, r.known.span(), Separators{",", "."}, r.calculation), sentence);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(CaseA, RefusalSentence, testing::Values(
    Row{"inflow_peak", caseA(135, 20, 60, 1, 0.6, 3, kSurface), Q::InflowPeak,
        "Ip = 135 m³/s: el intervalo estudiado es 0 < Ip ≤ 130 m³/s."},
    Row{"inflow_peak_too_large", caseA(kInf, 20, 60, 1, 0.6, 3, kSurface), Q::InflowPeak,
        "Ip: el valor es demasiado grande; el intervalo estudiado es 0 < Ip ≤ 130 m³/s."},
    Row{"empty_inflow_peak", empty(caseA(0, 20, 60, 1, 0.6, 3, kSurface), Q::InflowPeak), Q::InflowPeak,
        "Falta el valor de Ip: el intervalo estudiado es 0 < Ip ≤ 130 m³/s."},
    Row{"no_calculation_and_inflow_peak", caseA(135, 20, 60, 1, 0.6, 0, CalculationType::None), Q::InflowPeak,
        "No se ha elegido el tipo de cálculo. Ip = 135 m³/s: el intervalo estudiado es 0 < Ip ≤ 130 m³/s."},
    Row{"time_of_peak_in_minutes", caseA(10, 0, 60, 1, 0.6, 3, kSurface), Q::PeakTime,
        "Tp = 0 min: el intervalo estudiado es 0 < Tp ≤ 166,667 min."},
    Row{"base_time_after_the_peak", caseA(10, 20, 20, 1, 0.6, 3, kSurface), Q::BaseTime,
        "Tb = 20 min: el intervalo estudiado es 20 < Tb ≤ 240 min (Tp = 20 min)."},
    Row{"orifice_diameter", caseA(10, 20, 60, 11, 0.6, 3, kSurface), Q::OrificeDiameter,
        "D = 11 m: el intervalo estudiado es 0 < D ≤ 10 m."},
    Row{"weir_length", caseA(10, 20, 60, 0, 1.8, 3, kSurface, CaseAOutlet::Weir), Q::WeirLength,
        "L = 0 m: el intervalo estudiado es 0 < L ≤ 10 m."},
    Row{"discharge_coefficient", caseA(10, 20, 60, 1, 6, 3, kSurface), Q::DischargeCoef,
        "Ck = 6: el intervalo estudiado es 0 < Ck ≤ 5."},
    Row{"hydrograph_ratio", caseA(10, 10, 60, 1, 0.6, 3, kSurface), Q::HydrographRatio,
        "2·Tp/Tb = 0,333333: el intervalo estudiado es 0,4 ≤ 2·Tp/Tb ≤ 1,2 (Tp = 10 min, Tb = 60 min)."},
    Row{"target_outflow_above_inflow", caseA(10, 20, 60, 1, 0.6, 11, kSurface), Q::GivenOutflow,
        "Qp = 11 m³/s: el intervalo estudiado es 0 < Qp ≤ 10 m³/s (Ip = 10 m³/s)."},
    Row{"flow_ratio", caseA(10, 20, 60, 1, 0.6, 0.8, kSurface), Q::FlowRatio,
        "Qp/Ip = 0,08: el intervalo estudiado es 0,1 ≤ Qp/Ip ≤ 0,85 (Qp = 0,8 m³/s, Ip = 10 m³/s)."},
    Row{"given_surface", caseA(10, 20, 60, 1, 0.6, 400, kOutflow), Q::GivenSurface,
        "Sup = 400 m²: el intervalo estudiado es 500 < Sup ≤ 90000 m²."},
    Row{"outlet_parameter", caseA(10, 20, 60, 1, 0.6, 90000, kOutflow), Q::OutletParameter,
        "x = 0,0622316: el intervalo estudiado es 0,2 ≤ x ≤ 2,95 (Sup = 90000 m², Ip = 10 m³/s, Tp = 20 min, "
        "Tb = 60 min, D = 1 m, Ck = 0,6)."},
    Row{"no_outlet", caseA(10, 20, 60, 1, 0.6, 3, kSurface, CaseAOutlet::None), Q::OutletSize,
        "No se ha elegido el tipo de salida: sin orificio ni vertedero no hay ábaco que leer."}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(CaseB, RefusalSentence, testing::Values(
    Row{"inflow_peak", caseB(101, 30, 1, 2, 0, 7, kRect, kSurface), Q::InflowPeak,
        "Ip = 101 m³/s: el intervalo estudiado es 0 < Ip ≤ 100 m³/s."},
    Row{"time_of_peak", caseB(10, 167, 1, 2, 0, 7, kRect, kSurface), Q::PeakTime,
        "Tp = 167 min: el intervalo estudiado es 0 < Tp ≤ 166,667 min."},
    Row{"base_flow_above_the_peak", caseB(10, 30, 11, 2, 0, 7, kRect, kSurface), Q::BaseFlow,
        "Qb = 11 m³/s: el intervalo estudiado es 0 < Qb ≤ 10 m³/s (Ip = 10 m³/s)."},
    Row{"conduit_width", caseB(10, 30, 1, 10.5, 0, 7, kRect, kSurface), Q::ConduitWidth,
        "B = 10,5 m: el intervalo estudiado es 0 < B ≤ 10 m."},
    Row{"conduit_diameter", caseB(10, 30, 1, 0, 2, 7, kCirc, kSurface), Q::ConduitDiameter,
        "D = 0 m: el intervalo estudiado es 0 < D ≤ 10 m."},
    Row{"too_many_conduits", caseB(10, 30, 1, 1, 31, 7, kCirc, kSurface), Q::ConduitCount,
        "N = 31: el intervalo estudiado es 0 < N ≤ 30."},
    Row{"fraction_of_a_conduit", caseB(10, 30, 1, 1, 2.5, 7, kCirc, kSurface), Q::ConduitCount,
        "N = 2,5: N cuenta conductos y debe ser un número entero, dentro del intervalo estudiado 0 < N ≤ 30."},
    Row{"no_circular_conduit", caseB(10, 30, 1, 1, 0, 7, kCirc, kSurface), Q::ConduitCount,
        "N = 0: el intervalo estudiado es 0 < N ≤ 30."},
    Row{"base_flow_ratio", caseB(10, 30, 3, 2, 0, 7, kRect, kSurface), Q::BaseFlowRatio,
        "Qb/Ip = 0,3: el intervalo estudiado es 0,05 ≤ Qb/Ip ≤ 0,2 (Qb = 3 m³/s, Ip = 10 m³/s)."},
    Row{"target_below_base_flow", caseB(10, 30, 1, 2, 0, 0.5, kRect, kSurface), Q::GivenOutflow,
        "Qp = 0,5 m³/s: el intervalo estudiado es 1 ≤ Qp ≤ 10 m³/s (Ip = 10 m³/s, Qb = 1 m³/s)."},
    Row{"peak_reduction", caseB(10, 30, 1, 2, 0, 9.5, kRect, kSurface), Q::PeakReduction,
        "100·(Ip − Qp)/Ip = 5 %: el intervalo estudiado es 10 ≤ 100·(Ip − Qp)/Ip ≤ 52 % (Qp = 9,5 m³/s, "
        "Ip = 10 m³/s)."},
    Row{"given_surface", caseB(10, 30, 1, 2, 0, 40, kRect, kOutflow), Q::GivenSurface,
        "Sup = 40 m²: el intervalo estudiado es 50 ≤ Sup ≤ 1000000 m²."},
    Row{"surface_coefficient", caseB(10, 30, 1, 2, 0, 100000, kRect, kOutflow),
        Q::SurfaceCoefficient,
        "Qb^0,75·Sup·(Ip/B)^0,5/Tp = 124,226: el intervalo estudiado es 2 ≤ Qb^0,75·Sup·(Ip/B)^0,5/Tp ≤ 15 "
        "(Qb = 1 m³/s, Sup = 100000 m², Ip = 10 m³/s, B = 2 m, Tp = 30 min = 1800 s)."},
    Row{"depth_parameter_after_the_surface", caseB(2, 30, 0.2, 2, 0, 1.4, kRect, kSurface),
        Q::DepthParameter,
        "Ip^3,5·Tp/Sup/B^2,5 = 0,124259: el intervalo estudiado es 7 < Ip^3,5·Tp/Sup/B^2,5 ≤ 100000 (Ip = 2 m³/s, "
        "Tp = 30 min = 1800 s, Sup calculada = 28971,8 m², B = 2 m)."},
    Row{"computed_outflow_not_physical", caseB(10, 30, 1, 1, 2, 1e6, kCirc, kOutflow),
        Q::ComputedOutflow,
        "Qp calculado = -4,38973 m³/s: no es una respuesta física; el intervalo admisible es "
        "1 ≤ Qp calculado ≤ 10 m³/s (Sup = 1000000 m², Ip = 10 m³/s, Qb = 1 m³/s, D = 1 m, N = 2, Tp = 30 min)."}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(CaseC, RefusalSentence, testing::Values(
    Row{"inflow_peak", caseC(8.99, 60, 3, 0.6, 5, kSurface), Q::InflowPeak,
        "Ip = 8,99 m³/s: el intervalo estudiado es 9 ≤ Ip ≤ 50 m³/s."},
    Row{"time_of_peak", caseC(20, -1, 3, 0.6, 5, kSurface), Q::PeakTime,
        "Tp = -1 min: el intervalo estudiado es 0 < Tp ≤ 166,667 min."},
    Row{"conduit_width", caseC(20, 60, 5.01, 0.6, 5, kSurface), Q::ConduitWidth,
        "B = 5,01 m: el intervalo estudiado es 2 ≤ B ≤ 5 m."},
    Row{"opening_height", caseC(20, 60, 3, 0.39, 5, kSurface), Q::OpeningHeight,
        "ho = 0,39 m: el intervalo estudiado es 0,4 ≤ ho ≤ 0,8 m."},
    Row{"empty_target_in_a_ratio", empty(caseC(20, 60, 3, 0.6, 0, kSurface), Q::GivenOutflow), Q::FlowRatio,
        "Falta el valor de Qp, y sin él Qp/Ip = 0 queda fuera del intervalo estudiado 0,12 ≤ Qp/Ip ≤ 0,38."},
    Row{"flow_ratio", caseC(20, 60, 3, 0.6, 2, kSurface), Q::FlowRatio,
        "Qp/Ip = 0,1: el intervalo estudiado es 0,12 ≤ Qp/Ip ≤ 0,38 (Qp = 2 m³/s, Ip = 20 m³/s)."},
    Row{"given_surface", caseC(20, 60, 3, 0.6, 100001, kOutflow), Q::GivenSurface,
        "Sup = 100001 m²: el intervalo estudiado es 50 ≤ Sup ≤ 100000 m²."},
    Row{"surface_index", caseC(20, 60, 3, 0.6, 50, kOutflow), Q::SurfaceIndex,
        "Sup/(Tp·B²) = 0,00154321: el intervalo estudiado es 0,12 ≤ Sup/(Tp·B²) ≤ 2,5 (Sup = 50 m², "
        "Tp = 60 min = 3600 s, B = 3 m)."}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(CaseD, RefusalSentence, testing::Values(
    Row{"time_of_peak", caseD(25, 0, 15, kVolume), Q::PeakTime,
        "Tp = 0 min: el intervalo estudiado es Tp > 0 min."},
    Row{"inflow_peak", caseD(50.01, 60, 15, kVolume), Q::InflowPeak,
        "Ip = 50,01 m³/s: el intervalo estudiado es 20 ≤ Ip ≤ 50 m³/s."},
    Row{"peak_reduction", caseD(25, 60, 1, kVolume), Q::PeakReduction,
        "100·(Ip − Qp)/Ip = 96 %: el intervalo estudiado es 8 ≤ 100·(Ip − Qp)/Ip ≤ 60 % (Qp = 1 m³/s, "
        "Ip = 25 m³/s)."},
    Row{"volume_rate", caseD(25, 60, 200000, kOutflow), Q::VolumeRate,
        "Vol/Tp = 55,5556 m³/s: el intervalo estudiado es Vol/Tp ≤ 40 m³/s (Vol = 200000 m³, Tp = 60 min = 3600 s)."},
    Row{"volume_rate_beyond_a_curve", caseD(25, 60, 100000, kOutflow), Q::VolumeRate,
        "Vol/Tp = 27,7778 m³/s: queda fuera de las curvas del ábaco, que solo cubren 0,0558822 < Vol/Tp ≤ 21,4722 "
        "m³/s (Vol = 100000 m³, Tp = 60 min = 3600 s)."}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(CaseE, RefusalSentence, testing::Values(
    Row{"inflow_peak", caseE(19.99, 60, 3, 1, 1, kSurface, 10), Q::InflowPeak,
        "Ip = 19,99 m³/s: el intervalo estudiado es 20 ≤ Ip ≤ 50 m³/s."},
    Row{"time_of_peak", caseE(30, 0, 3, 1, 1, kSurface, 10), Q::PeakTime,
        "Tp = 0 min: el intervalo estudiado es Tp > 0 min."},
    Row{"conduit_width", caseE(30, 60, 1.99, 1, 1, kSurface, 10), Q::ConduitWidth,
        "B = 1,99 m: el intervalo estudiado es 2 ≤ B ≤ 5 m."},
    Row{"opening_height", caseE(30, 60, 3, 5.5, 1, kSurface, 10), Q::OpeningHeight,
        "ho = 5,5 m: el intervalo estudiado es 0,1 ≤ ho ≤ 5 m."},
    Row{"length", caseE(30, 60, 3, 1, 0.1, kSurface, 10), Q::Length,
        "L = 0,1 m: el intervalo estudiado es L ≥ 0,2 m."},
    Row{"flow_ratio", caseE(30, 60, 3, 1, 1, kSurface, 24), Q::FlowRatio,
        "Qp/Ip = 0,8: el intervalo estudiado es 0,15 ≤ Qp/Ip ≤ 0,75 (Qp = 24 m³/s, Ip = 30 m³/s)."},
    Row{"chart_without_values", caseE(30, 60, 4.5, 1, 1, kSurface, 20), Q::FlowRatio,
        "Qp/Ip = 0,666667: el ábaco no tiene valores ahí, porque una de las curvas que se interpolan termina antes "
        "(Qp = 20 m³/s, Ip = 30 m³/s)."},
    Row{"negative_surface", caseE(30, 60, 3, 1, 1, kSurface, 4.5), Q::ComputedSurface,
        "Sup calculada = -286,782 m²: no es una respuesta física; el intervalo admisible es Sup calculada > 0 m² "
        "(Qp = 4,5 m³/s, Ip = 30 m³/s)."},
    Row{"reduced_surface", caseE(30, 60, 3, 1, 1, kOutflow, 400), Q::ReducedSurface,
        "(Sup/Tp)·(L/ho)^0,3 = 0,111111: el intervalo estudiado es 0,4 ≤ (Sup/Tp)·(L/ho)^0,3 ≤ 8 (Sup = 400 m², "
        "Tp = 60 min = 3600 s, L = 1 m, ho = 1 m)."},
    Row{"depth_index_after_the_surface", caseE(20, 30, 2, 0.1, 0.2, kSurface, 5), Q::DepthIndex,
        "Sup/Tp/B = 0,0994788 m/s: el intervalo estudiado es 0,1 ≤ Sup/Tp/B ≤ 2,1 m/s (Sup calculada = 358,124 m², "
        "Tp = 30 min = 1800 s, B = 2 m)."},
    Row{"no_calculation_chosen", caseE(30, 60, 3, 1, 1, CalculationType::None, 0), Q::DepthIndex,
        "No se ha elegido el tipo de cálculo: sin superficie, Sup/Tp/B = 0 m/s queda fuera del intervalo estudiado "
        "0,1 ≤ Sup/Tp/B ≤ 2,1 m/s."}),
    [](const auto& info) { return info.param.name; });
// clang-format on

} // namespace

// Every quantity a check may refuse has a name of its own in the
// sentences: a quantity left out of the table of descriptions would be
// named as nothing.
TEST(RefusalText, EveryQuantityIsNamed)
{
    for (int q = int(Q::InflowPeak); q <= int(Q::ComputedVolume); ++q)
        EXPECT_STRNE(quantitySymbol(Q(q)), "") << q;
    EXPECT_STREQ(quantityUnit(Q::PeakTime), "min");
    EXPECT_STREQ(quantityUnit(Q::PeakReduction), "%");
    EXPECT_STREQ(quantitySymbol(Q::VolumeRate), "Vol/Tp");
}
