// Reading any bytes as a calculation file: never a crash, and whatever is
// read writes out and reads back as the very same calculation, under either
// decimal separator.
#include "files/calculation_file.h"
#include "fuzz_input.h"

using namespace retencion;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const QString& decimal : {QStringLiteral("."), QStringLiteral(",")}) {
        const auto read = readCalculationFile(bytes, decimal);
        if (const auto* refusal = std::get_if<QString>(&read)) {
            require(refusal->isEmpty() ? "a refusal without a reason" : "", "refused file");
            continue;
        }
        const CalculationState& state = std::get<CalculationState>(read);
        const auto again = readCalculationFile(writeCalculationFile(state, decimal), decimal);
        require(std::holds_alternative<QString>(again) ? "its own file refused" : "", "written file");
        CalculationState kept = state;
        kept.cases.removeIf([](const auto& c) { return c.value().isEmpty(); });
        require(std::get<CalculationState>(again) == kept ? "" : "reads back otherwise", "written file");
    }
    return 0;
}
