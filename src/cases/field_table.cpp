#include "cases/field_table.h"

#include <vector>

namespace retencion {
namespace {

std::span<const CaseFields* const> tables()
{
    static const std::vector<const CaseFields*> kTables = [] {
        std::vector<const CaseFields*> out;
        forEachCase([&](const auto& in) { out.push_back(&caseEntries(in).fields); });
        return out;
    }();
    return kTables;
}

} // namespace

const CaseFields* fieldsOf(char letter)
{
    const auto at = kCaseLetters.find(letter);
    return at != std::string_view::npos ? tables()[at] : nullptr;
}

const CaseFields& fieldsOf(const CaseInput& input)
{
    return *tables()[input.index()];
}

std::span<const CaseFields* const> allFields()
{
    return tables();
}

// Cases A and B have a second option group, the outlet; the other cases none.
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

CaseInput blankInput(char letter, CalculationType calculation, Outlet outlet)
{
    CaseInput input = inputOfCase(letter).value_or(CaseInput{std::in_place_index<kCaseLetters.size() - 1>});
    std::visit([calculation](auto& in) { in.calculation = calculation; }, input);
    if (auto* a = std::get_if<CaseAInput>(&input))
        a->outlet = outlet == Outlet::Orifice ? CaseAOutlet::Orifice
                    : outlet == Outlet::Weir  ? CaseAOutlet::Weir
                                              : CaseAOutlet::None;
    if (auto* b = std::get_if<CaseBInput>(&input))
        b->conduit = outlet == Outlet::Rectangular ? OutletConduit::Rectangular
                     : outlet == Outlet::Circular  ? OutletConduit::Circular
                                                   : OutletConduit::None;
    return input;
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
