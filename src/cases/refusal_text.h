#pragma once
// The sentence that tells the engineer which value a calculation refused
// and the range the charts were studied for, in the words of the form:
// "Ip = 135 m³/s: el intervalo estudiado es 0 < Ip ≤ 130 m³/s."

#include "cases/calculation.h"
#include "numbers/format_number.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace retencion {

// A value as the panel read it (times in seconds), or a value the
// calculation found (the main result). `missing`: read from an empty field.
struct KnownValue {
    Quantity quantity;
    double value;
    bool missing = false;
};

// One Spanish sentence. Derived quantities are explained by the values
// typed that make them up, found in `known`; times are shown in minutes, as
// typed; numbers use the regional decimal separator. A value read from an
// empty field is named as missing, and a refusal met with no calculation
// type chosen says that first.
// The value, among those making up the refused one (or that one itself),
// that was read from an empty field: the one to ask for.
std::optional<Quantity> missingValue(const Refusal& refusal, std::span<const KnownValue> known);

std::string describeRefusal(const Refusal& refusal, std::span<const KnownValue> known, const Separators& separators,
                            CalculationType calculation);

// "El texto de Ip, «100 l/s», no es un número. Escriba solo el número, en
// m³/s.": a field or a cell that holds `text`, which is not a number, where
// a value of `q` was to be read; named by the symbol of `q`, as the
// sentences of a refused value name it.
std::string describeNotANumber(std::string_view text, Quantity q);

// The unit the sentence writes after a value of `q` ("m²", "m³/s"); empty
// for a ratio.
const char* quantityUnit(Quantity q);

// The symbol the sentence writes for `q` ("Qp/Ip", "Sup"), or the formula of
// a derived quantity.
const char* quantitySymbol(Quantity q);

} // namespace retencion
