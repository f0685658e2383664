#pragma once
// Case A's check by routing in words: the outlet law, the chart's answer
// beside routing's, the mass balance. The routing window and the report
// say the same.

#include "cases/a/case_a_engine.h"
#include "numbers/format_number.h"
#include "routing/chart_check.h"

#include <QString>

#include <vector>

namespace retencion {

struct RoutingSummary {
    struct Row {
        QString what, chart, routed, difference;
    };
    QString law;
    Row header;            // what the columns hold, the difference under its one caption
    std::vector<Row> rows; // Qp, H, and after a surface the surface routing needs
    QString notes;         // the mass balance, and for a weir both heads explained
};

RoutingSummary summarizeRouting(const routing::ChartCheck& check, const CaseAInput& input,
                                const Separators& separators);

} // namespace retencion
