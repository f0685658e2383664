#pragma once
// The formulas of quantities that both the charts' axis titles and the
// refusal sentences write: one text each, so that a chart and the sentence
// refusing a value read on it name it alike.

namespace retencion::formula {

inline constexpr const char* kFlowRatio = "Qp/Ip";                // r, cases A, C and E
inline constexpr const char* kPeakReduction = "100·(Ip − Qp)/Ip"; // in %, cases B and D

} // namespace retencion::formula
