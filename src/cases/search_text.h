#pragma once
// The words of a search for a value, for the window and the calculation
// file alike: the value to write in the unknown's field, and the sentence
// that says what was found, or why nothing was.

#include "cases/value_search.h"
#include "numbers/separators.h"

#include <string>

namespace retencion {

// The unknown's value `x` (times in seconds) as its field holds it (times in
// minutes): at least `minDigits` significant digits, and more where fewer
// would not give the target back under the result's mask.
std::string valueText(const SearchRequest& request, double x, const Separators& separators, int minDigits = 4);

// One Spanish sentence: "D = 1,042 m da Qp = 2,5 m³/s con Sup = 4000 m²."
// for one value; for none, the reach ("Con los demás datos, D entre 0,2 y
// 2,8 m da Qp entre 0,6 y 2,1 m³/s."); for several, all of them.
std::string describeSearch(const SearchRequest& request, const SearchAnswer& answer, const Separators& separators);

// "D = 1,042 m": the unknown at `x`, as valueText writes it.
std::string unknownText(const SearchRequest& request, double x, const Separators& separators);
// "Qp = 2,5 m³/s": the target asked.
std::string targetText(const SearchRequest& request, const Separators& separators);

} // namespace retencion
