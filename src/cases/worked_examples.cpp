#include "cases/worked_examples.h"

#include "cases/field_table.h"

namespace retencion {
std::span<const WorkedExample> workedExamples()
{
    // Each case's own, in the order of the cases.
    static const std::vector<WorkedExample> kExamples = [] {
        std::vector<WorkedExample> out;
        forEachCase([&](const auto& in) {
            for (const WorkedExample& e : caseEntries(in).examples)
                out.push_back(e);
        });
        return out;
    }();
    return kExamples;
}

const WorkedExample* workedExample(std::string_view id)
{
    for (const WorkedExample& e : workedExamples())
        if (id == e.id) return &e;
    return nullptr;
}

const WorkedExample* firstWorkedExample(char letter)
{
    for (const WorkedExample& e : workedExamples())
        if (caseLetter(e.input) == letter) return &e;
    return nullptr;
}

std::vector<TypedValue> typedValues(const CaseInput& input)
{
    std::vector<TypedValue> out;
    const CaseFields& fields = fieldsOf(input);
    for (const InputField& f : fields.inputs) {
        if (inputField(input, f.control) != &f) continue; // another meaning of the field holds
        const double v = f.slot.get(input);
        out.push_back({f.control, f.minutes ? v / 60 : v});
    }
    return out;
}

} // namespace retencion
