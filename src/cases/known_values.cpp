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

} // namespace retencion
