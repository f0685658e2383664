// The sizing curve's export for a spreadsheet, and the difference it and
// the difference figure write.
#include "charts/csv_export.h"
#include "routing/chart_check.h"
#include "routing/routing_curve.h"

#include <gtest/gtest.h>

using namespace retencion;
using namespace retencion::figures;

namespace {

constexpr auto S = CalculationType::Surface;
const Separators kComma{",", "."};

} // namespace

// The export reads back as the points: the header of the other exports,
// semicolons, the regional decimal comma, one row per point.
TEST(SizingCurveCsv, HoldsThePointsUnderTheHeader)
{
    const CaseAInput in{10, 1200, 3600, 1, 0.6, 3, S, CaseAOutlet::Orifice};
    const SizingCurve c = sizingCurve(in);
    const std::string csv = sizingCurveCsv(c, nullptr, kComma);
    EXPECT_EQ(csv.rfind("\xEF\xBB\xBF", 0), 0u);
    EXPECT_NE(csv.find("Caso A: curva de dimensionamiento\nIp;10;m³/s\n"), std::string::npos);
    EXPECT_NE(csv.find("Ck;0,6;\n"), std::string::npos);
    const std::size_t table = csv.find("Qp (m³/s);Sup (m²) por el ábaco\n");
    ASSERT_NE(table, std::string::npos);
    const std::size_t header = csv.substr(0, table).find(',');
    EXPECT_TRUE(header == std::string::npos || csv.substr(0, table).find("0,6") != std::string::npos);
    std::size_t rows = 0;
    for (std::size_t at = csv.find('\n', table) + 1; at < csv.size() && csv[at] != '\n'; at = csv.find('\n', at) + 1) {
        const std::string row = csv.substr(at, csv.find('\n', at) - at);
        EXPECT_NE(row.find(';'), std::string::npos) << row;
        EXPECT_EQ(row.find('.'), std::string::npos) << row; // no grouping at these sizes, no decimal point
        ++rows;
    }
    EXPECT_EQ(rows, c.pointCount());
    EXPECT_NE(csv.find("Fuera del ábaco desde;hasta;motivo\n"), std::string::npos);
}

// The difference figure and the export say the chart's difference from
// routing as the routing check does: one caption over one sign.
TEST(SizingCurveCsv, DifferenceIsTheRoutingChecksOwn)
{
    const CaseAInput in{10, 1200, 3600, 1, 0.6, 3, S, CaseAOutlet::Orifice};
    const routing::RoutingCurve routed = routing::routingCurve(in, 6);
    const auto figures = sizingCurveFigures(sizingCurve(in), &routed, kComma);
    ASSERT_EQ(figures.size(), 2u);
    EXPECT_EQ(figures[1].title, routing::kChartDifferenceCaption);
    ASSERT_FALSE(figures[1].series.empty());
    const auto& points = figures[1].series[0].points;
    ASSERT_FALSE(points.empty());
    for (const routing::RoutedPoint& p : routed.points)
        if (p.chart) {
            EXPECT_DOUBLE_EQ(*p.differencePercent, routing::chartDifferencePercent(*p.chart, p.routed));
        }
    const std::string csv = sizingCurveCsv(sizingCurve(in), &routed, kComma);
    EXPECT_NE(csv.find(std::string(";") + routing::kChartDifferenceCaption + "\n"), std::string::npos);
}
