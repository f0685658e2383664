#pragma once
// What each case asks for and answers, as data: for every input field its
// control, symbol, meaning, unit, quantity, the options under which it is
// asked, its column in a calculation file and its studied range (the very
// constexpr its engine checks); for every result its control, symbol,
// meaning, unit and mask. The form, the calculation file, the refusal
// sentences, the manual and the search for a value read these tables.
//
// A field whose meaning follows the options has one row per meaning, each
// with the options under which it holds: case A's ADL is the orifice
// diameter D with the orifice and the weir length L with the weir; every
// INC is the target outflow peak Qp for a surface or volume calculation and
// the tank's size for an outflow calculation.

#include "cases/calculation.h"
#include "cases/case_input.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <variant>

namespace retencion {

// The outlet chosen in a panel's second option group: case A's orifice or
// weir, case B's conduits; `None` also for the cases that have no such group.
enum class Outlet : std::uint8_t { None, Orifice, Weir, Rectangular, Circular };

// A set of calculation types and outlets under which a row holds; an empty
// set is any.
struct When {
    unsigned calculations = 0; // bits of CalculationType
    unsigned outlets = 0;      // bits of Outlet

    constexpr bool holds(CalculationType c, Outlet o) const
    {
        return (!calculations || (calculations & bitOf(c))) && (!outlets || (outlets & bitOf(o)));
    }

    template <class E> static constexpr unsigned bitOf(E e) { return 1u << static_cast<unsigned>(e); }
};

// The set of the options named: `only(CalculationType::Surface,
// CalculationType::Volume)`.
template <class... E> constexpr unsigned only(E... e)
{
    return (When::bitOf(e) | ...);
}

// Where a field's value sits in a case's input (times in seconds).
struct Slot {
    double (*get)(const CaseInput&) = nullptr;
    void (*set)(CaseInput&, double) = nullptr;
};

namespace detail {
template <class T> struct MemberOf;
template <class C> struct MemberOf<double C::*> {
    using Class = C;
};
template <auto M> double getMember(const CaseInput& in)
{
    return std::get<typename MemberOf<decltype(M)>::Class>(in).*M;
}
template <auto M> void setMember(CaseInput& in, double v)
{
    std::get<typename MemberOf<decltype(M)>::Class>(in).*M = v;
}
} // namespace detail

// The slot of a member of a case's input: `slot<&CaseAInput::ip>`.
template <auto M> inline constexpr Slot slot{&detail::getMember<M>, &detail::setMember<M>};

// A studied range that depends on other values of the input (Tb > Tp,
// Qb ≤ Ip, ...), or a fixed one.
using RangeOf = StudiedRange (*)(const CaseInput&);
template <const StudiedRange& R> StudiedRange fixed(const CaseInput&)
{
    return R;
}

// The meanings that several cases share, written once.
namespace meaning {
inline constexpr const char* kInflowPeak = "Caudal punta del hidrograma de entrada";
inline constexpr const char* kPeakTime = "Tiempo de ocurrencia del caudal punta del hidrograma de entrada";
inline constexpr const char* kOutflowPeak = "Caudal punta de salida del depósito";
inline constexpr const char* kSurface = "Superficie del depósito";
inline constexpr const char* kVolume = "Volumen del depósito";
inline constexpr const char* kDepth = "Altura de agua en el depósito";
inline constexpr const char* kConduitWidth = "Ancho del conducto de salida";
} // namespace meaning

struct InputField {
    const char* control; // "AIP"
    const char* symbol;  // "Ip", as the form and the refusal sentences write it
    const char* meaning; // the tool tip: "Caudal punta del hidrograma de entrada"
    const char* unit;    // "m³/s", "min.", "m", "m²", "m³", or "" for none
    Quantity quantity;
    Slot slot;
    When when{};                  // the options under which the field is asked with this meaning
    const char* column = nullptr; // its column in a calculation file; none: the row reads another's
    RangeOf range = nullptr;      // its own studied range; none: only values derived from it are held
    bool minutes = false;         // typed in minutes, held in seconds
    bool heldWhenHidden = false;  // read and held to its range even where the options hide it
    // The form's tool tip where it is worded otherwise than the meaning: as
    // the form has always shown it. None: the meaning.
    const char* toolTip = nullptr;
};

struct ResultField {
    const char* control; // "ARES"
    const char* symbol;  // "Sup"
    const char* meaning;
    const char* unit;
    const char* mask; // under which the form writes it
    When when{};
    bool height = false; // the height or depth H, not the main result
};

// An option's caption, and the letter of it that Alt presses.
struct OptionText {
    const char* caption = nullptr;
    char accessKey = 0;
};

// An option of a form's second group: the outlet.
struct OutletOption {
    const char* control; // "AOption4"
    OptionText text;     // "Salida tipo orificio"
    Outlet outlet;
};

// The first group of every form, what the calculation finds; its first
// option finds the surface (case D: the volume) from Qp, its second the
// outflow peak from that.
inline constexpr const char* kCalculationGroup = "Tipo de Cálculo";
inline constexpr OptionText kSurfaceOption{"Cálculo de la Superficie del Depósito", 'S'};
inline constexpr OptionText kOutflowOption{"Cálculo del Caudal de Laminación", 'L'};
// What a sheet says of a group with no option chosen.
inline constexpr const char* kNoneChosen = "ninguno";

struct CaseFields {
    char letter;
    // The first calculation type of the panel: the surface, or in case D
    // the volume.
    CalculationType first;
    std::span<const InputField> inputs; // in the order the form reads them
    std::span<const ResultField> results;
    const char* description = nullptr; // what its tab and its sheet say the case is
    OptionText firstCalculation = kSurfaceOption;
    const char* outletGroup = nullptr; // "Tipo de Salida"; none: the case has no such group
    std::span<const OutletOption> outlets = {}; // in the order the form shows them
};

// Each case's own table stands beside its engine (`caseEntries`,
// cases/case_entry.h).

// The table of case `letter` (one of kCaseLetters); null for any other.
const CaseFields* fieldsOf(char letter);
const CaseFields& fieldsOf(const CaseInput& input);
// Every case's table, A first.
std::span<const CaseFields* const> allFields();

// The outlet that an input was calculated with.
Outlet outletOf(const CaseInput& input);
// An input of case `letter` with those options and every value 0: for a form
// read field by field through the table.
CaseInput blankInput(char letter, CalculationType calculation, Outlet outlet);

// The row of `control` that holds under the input's options, or null: a
// field the options do not ask for.
const InputField* inputField(const CaseInput& input, std::string_view control);
// The row of case `letter` with that quantity, or null.
const InputField* inputField(char letter, Quantity quantity);
// The main result (or, with `height`, H) as the input's calculation gives
// it, or null where the case has none.
const ResultField* resultField(const CaseInput& input, bool height);

// The symbol that the form gives a typed quantity ("Ip", "Sup"), or null for
// a value derived or computed.
const char* inputSymbol(Quantity quantity);

} // namespace retencion
