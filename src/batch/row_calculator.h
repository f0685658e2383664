#pragma once
// One row of a calculation file through the engine of its case: the cells
// read as the window reads its fields, the results written under the
// window's masks and separators, a refusal worded as the window words it.

#include "cases/field_table.h"
#include "numbers/format_number.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace retencion::batch {

// The columns of words, found by their header name; the columns of numbers
// are those the cases' field tables name.
enum class Column { Caso, Calculo, Salida, Buscar, Objetivo, Count };

// The header name of a column, as a file writes it and as a refusal names it.
const char* columnName(Column column);

// The columns of numbers that some case reads, in the order of the cases'
// tables ("Ip", "Tp", "Tb", "D", ...), each once.
std::span<const char* const> numberColumns();

// The columns appended to every row, in order; and after them, in a file
// with a column `buscar`, the value found.
inline constexpr std::array<const char*, 4> kResultColumns{"resultado", "unidad", "H", "aviso"};
inline constexpr const char* kFoundColumn = "encontrado";

// The word a file writes for a calculation type ("superficie", "volumen",
// "caudal") and for an outlet ("orificio", ...); empty for none.
const char* calculationWord(CalculationType calculation);
const char* outletWord(Outlet outlet);
// The outlets a case's second option group offers, in order; none where the
// case has no such group.
std::vector<Outlet> outletChoices(const CaseFields& table);
// "orificio o vertedero".
std::string outletsInWords(const std::vector<Outlet>& outlets);

struct RowResult {
    std::string resultado;
    std::string unidad;
    std::string h;
    std::string aviso;
    std::string encontrado;
};

// The separators of a file whose fields are split by `delimiter`: a
// semicolon is a Spanish spreadsheet's file, with a decimal comma.
Separators separatorsFor(char delimiter);

class RowCalculator {
public:
    // `header`: the names of the columns, matched ignoring case, accents and
    // blanks at either end.
    RowCalculator(std::span<const std::string_view> header, char delimiter);

    bool hasColumn(Column column) const { return m_index[static_cast<int>(column)] >= 0; }
    // Where the column of numbers `name` stands in the header, or -1.
    int numberColumn(std::string_view name) const;
    // Fills `out` (emptied first) for one row; a row of empty cells is left
    // without results.
    void calculate(std::span<const std::string_view> cells, RowResult& out) const;

private:
    std::array<int, static_cast<int>(Column::Count)> m_index{};
    std::array<int, 16> m_numberIndex{}; // parallel to numberColumns()
    Separators m_separators;

    friend class RowReader;
};

} // namespace retencion::batch
