#pragma once
// One row of an engine's table: an input of any case and what its engine
// must give for it. The five engine tests instantiate the one test below
// with their own rows.

#include "engine_result_checks.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <variant>

namespace retencion::test {

using AnyInput = std::variant<CaseAInput, CaseBInput, CaseCInput, CaseDInput, CaseEInput>;

inline CaseResult runEngine(const CaseAInput& in)
{
    return CaseAEngine(in);
}
inline CaseResult runEngine(const CaseBInput& in)
{
    return CaseBEngine(in);
}
inline CaseResult runEngine(const CaseCInput& in)
{
    return CaseCEngine(in);
}
inline CaseResult runEngine(const CaseDInput& in)
{
    return CaseDEngine(in);
}
inline CaseResult runEngine(const CaseEInput& in)
{
    return CaseEEngine(in);
}

struct Row {
    const char* name;
    AnyInput in;
    Want want;
};
inline void PrintTo(const Row& row, std::ostream* os)
{
    *os << row.name;
}
inline std::string rowName(const testing::TestParamInfo<Row>& info)
{
    return info.param.name;
}

class EngineRow : public testing::TestWithParam<Row> {};

TEST_P(EngineRow, GivesWhatItsChartsSay)
{
    const CaseResult r = std::visit([](const auto& in) { return runEngine(in); }, GetParam().in);
    EXPECT_EQ(mismatch(r, GetParam().want), "");
}

} // namespace retencion::test
