#pragma once
// The values a refusal's sentence may quote: what the form read for a case
// (times in seconds), in the order the panel reads its fields, and the main
// value the calculation found. The window builds the same list field by
// field; the batch calculator and the tests build it from an input.

#include "cases/case_input.h"
#include "cases/refusal_text.h"

#include <array>
#include <cstddef>
#include <span>
#include <type_traits>

namespace retencion {

// Fixed storage, so that building one allocates nothing: a batch run builds
// one per refused row.
class KnownValues {
public:
    void add(Quantity q, double v) { m_values.at(m_count++) = {q, v}; }
    std::span<const KnownValue> span() const { return {m_values.data(), m_count}; }
    // `q` was read from an empty field, so a sentence asks for it.
    void markMissing(Quantity q)
    {
        for (std::size_t i = 0; i < m_count; ++i)
            if (m_values[i].quantity == q) m_values[i].missing = true;
    }

private:
    std::array<KnownValue, 8> m_values{};
    std::size_t m_count = 0;
};

KnownValues knownValues(const CaseInput& in, const CaseResult& r);

// The same for the input of one case, as its engine takes it.
template <class T>
    requires(!std::is_same_v<T, CaseInput> && std::is_constructible_v<CaseInput, const T&>)
KnownValues knownValues(const T& in, const CaseResult& r)
{
    return knownValues(CaseInput{in}, r);
}

} // namespace retencion
