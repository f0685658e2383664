#include "cases/field_table.h"

#include <array>

namespace retencion {
namespace {

const std::array<const CaseFields*, 5>& tables()
{
    static const std::array<const CaseFields*, 5> kTables{&caseAFields(), &caseBFields(), &caseCFields(),
                                                          &caseDFields(), &caseEFields()};
    return kTables;
}

} // namespace

const CaseFields* fieldsOf(char letter)
{
    if (letter < 'A' || letter > 'E') return nullptr;
    return tables()[static_cast<std::size_t>(letter - 'A')];
}

const CaseFields& fieldsOf(const CaseInput& input)
{
    return *tables()[input.index()];
}

std::span<const CaseFields* const> allFields()
{
    return tables();
}

Outlet outletOf(const CaseInput& input)
{
    if (const auto* a = std::get_if<CaseAInput>(&input))
        return a->outlet == CaseAOutlet::Orifice ? Outlet::Orifice
               : a->outlet == CaseAOutlet::Weir  ? Outlet::Weir
                                                 : Outlet::None;
    if (const auto* b = std::get_if<CaseBInput>(&input))
        return b->conduit == OutletConduit::Rectangular ? Outlet::Rectangular
               : b->conduit == OutletConduit::Circular  ? Outlet::Circular
                                                        : Outlet::None;
    return Outlet::None;
}

const InputField* inputField(const CaseInput& input, std::string_view control)
{
    const CalculationType c = calculationOf(input);
    const Outlet o = outletOf(input);
    for (const InputField& f : fieldsOf(input).inputs)
        if (control == f.control && f.when.holds(c, o)) return &f;
    return nullptr;
}

const InputField* inputField(char letter, Quantity quantity)
{
    if (const CaseFields* table = fieldsOf(letter))
        for (const InputField& f : table->inputs)
            if (f.quantity == quantity) return &f;
    return nullptr;
}

const ResultField* resultField(const CaseInput& input, bool height)
{
    const CalculationType c = calculationOf(input);
    const Outlet o = outletOf(input);
    for (const ResultField& r : fieldsOf(input).results)
        if (r.height == height && r.when.holds(c, o)) return &r;
    return nullptr;
}

const char* inputSymbol(Quantity quantity)
{
    for (const CaseFields* table : tables())
        for (const InputField& f : table->inputs)
            if (f.quantity == quantity) return f.symbol;
    return nullptr;
}

} // namespace retencion
