#include "cases/known_values.h"

#include "cases/field_table.h"

namespace retencion {

// Every field the options ask for, and those read even where hidden, in the
// order the form reads them: the given value only when a calculation is
// chosen, last; then the main value found.
KnownValues knownValues(const CaseInput& input, const CaseResult& r)
{
    const CalculationType c = calculationOf(input);
    const Outlet o = outletOf(input);
    KnownValues k;
    for (const InputField& f : fieldsOf(input).inputs)
        if (f.when.holds(c, o) || f.heldWhenHidden) k.add(f.quantity, f.slot.get(input));
    if (r.main) k.add(computedQuantity(c), *r.main);
    return k;
}

KnownValues knownValues(const CaseAInput& in, const CaseResult& r)
{
    return knownValues(CaseInput{in}, r);
}

KnownValues knownValues(const CaseBInput& in, const CaseResult& r)
{
    return knownValues(CaseInput{in}, r);
}

KnownValues knownValues(const CaseCInput& in, const CaseResult& r)
{
    return knownValues(CaseInput{in}, r);
}

KnownValues knownValues(const CaseDInput& in, const CaseResult& r)
{
    return knownValues(CaseInput{in}, r);
}

KnownValues knownValues(const CaseEInput& in, const CaseResult& r)
{
    return knownValues(CaseInput{in}, r);
}

} // namespace retencion
