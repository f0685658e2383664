// Case C against its worked examples, the passing side of every bound and
// the order of its checks. Tolerances are half a unit in the last digit known.
#include "engine_rows.h"

#include <gtest/gtest.h>

using namespace retencion;
using namespace retencion::test;

namespace {

constexpr auto S = CalculationType::Surface;
constexpr auto O = CalculationType::Outflow;
using Q = Quantity;

// clang-format off
INSTANTIATE_TEST_SUITE_P(CaseC, EngineRow, testing::Values(
    Row{"surface_with_every_input_on_the_lower_node_of_its_bracket", CaseCInput{20, 3600, 3, 0.6, 5, S}, gives(13384.995, 5e-4, 2.26567, 5e-6)},
    Row{"surface_with_ho_between_nodes_extends_the_height_line", CaseCInput{20, 3600, 3, 0.45, 5, S}, gives(8690.30, 5e-3, 2.90069, 5e-6)},
    Row{"outflow_between_nodes_of_every_axis", CaseCInput{30, 2700, 4, 0.75, 20000, O}, gives(7.0900566, 5e-8, 1.85220, 5e-6)},
    Row{"outflow_in_the_second_ip_bracket", CaseCInput{12, 1800, 2.5, 0.5, 3000, O}, gives(3.76403, 5e-6, 2.38592, 5e-6)},
    Row{"surface_at_the_top_of_every_range_uses_the_last_brackets", CaseCInput{50, 3600, 5, 0.8, 10, S}, gives(42911.2, 5e-2, 1.95633, 5e-6)},
    // No calculation: only the height, at a surface index of 0; the given value is not read.
    Row{"none_gives_only_the_height", CaseCInput{20, 3600, 3, 0.6, NAN, CalculationType::None}, gives(std::nullopt, 0, 10.4477, 5e-5)},
    Row{"ip_9", CaseCInput{9, 3600, 3, 0.6, 2, S}, passes()},
    Row{"tp_10000_s", CaseCInput{20, 10000, 3, 0.6, 5, S}, passes()},
    Row{"b_2_and_ho_0_4", CaseCInput{20, 3600, 2, 0.4, 5, S}, passes()},
    Row{"flow_ratio_0_12", CaseCInput{25, 3600, 3, 0.6, 3, S}, passes()},
    Row{"flow_ratio_0_38", CaseCInput{25, 3600, 3, 0.6, 9.5, S}, passes()},
    Row{"surface_50_at_short_peak_time", CaseCInput{20, 60, 2, 0.6, 50, O}, passes()},
    Row{"surface_index_0_12", CaseCInput{20, 2500, 2, 0.6, 1200, O}, passes()},
    Row{"surface_100000_at_surface_index_2_5", CaseCInput{20, 10000, 2, 0.6, 100000, O}, passes()},
    Row{"ip_is_checked_before_ho", CaseCInput{60, 3600, 3, 0.9, 0, CalculationType::None}, refuses(Q::InflowPeak)},
    Row{"ho_is_checked_before_the_flow_ratio", CaseCInput{20, 3600, 3, 0.3, 100, S}, refuses(Q::OpeningHeight)},
    Row{"surface_50_passes_on_to_the_surface_index", CaseCInput{20, 3600, 5, 0.6, 50, O}, refuses(Q::SurfaceIndex)},
    Row{"surface_index_above_2_5", CaseCInput{20, 9000, 2, 0.6, 100000, O}, refuses(Q::SurfaceIndex)}),
    rowName);
// clang-format on

} // namespace
