#include "batch/row_calculator.h"

#include "batch/text.h"
#include "cases/field_table.h"
#include "cases/known_values.h"
#include "cases/refusal_text.h"
#include "cases/search_text.h"
#include "cases/value_search.h"
#include "numbers/read_number.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace retencion::batch {
namespace {

constexpr std::array<const char*, static_cast<int>(Column::Count)> kNames{"caso", "calculo", "salida", "buscar",
                                                                          "objetivo"};

struct OutletName {
    Outlet outlet;
    const char* word;
};
constexpr OutletName kOutletWords[] = {{Outlet::Orifice, "orificio"},
                                       {Outlet::Weir, "vertedero"},
                                       {Outlet::Rectangular, "rectangular"},
                                       {Outlet::Circular, "circular"}};

} // namespace

const char* columnName(Column column)
{
    return kNames[static_cast<int>(column)];
}

std::span<const char* const> numberColumns()
{
    static const std::vector<const char*> kColumns = [] {
        std::vector<const char*> names;
        for (const CaseFields* table : allFields())
            for (const InputField& f : table->inputs)
                if (f.column && std::none_of(names.begin(), names.end(),
                                             [&](const char* n) { return std::strcmp(n, f.column) == 0; }))
                    names.push_back(f.column);
        return names;
    }();
    return kColumns;
}

const char* calculationWord(CalculationType calculation)
{
    switch (calculation) {
    case CalculationType::Surface:
        return "superficie";
    case CalculationType::Volume:
        return "volumen";
    case CalculationType::Outflow:
        return "caudal";
    case CalculationType::None:
        break;
    }
    return "";
}

const char* outletWord(Outlet outlet)
{
    for (const OutletName& n : kOutletWords)
        if (n.outlet == outlet) return n.word;
    return "";
}

std::vector<Outlet> outletChoices(const CaseFields& table)
{
    std::vector<Outlet> out;
    for (const OutletName& n : kOutletWords)
        if (std::any_of(table.inputs.begin(), table.inputs.end(),
                        [&](const InputField& f) { return f.when.outlets & When::bitOf(n.outlet); }))
            out.push_back(n.outlet);
    return out;
}

std::string outletsInWords(const std::vector<Outlet>& outlets)
{
    std::string out;
    for (std::size_t i = 0; i < outlets.size(); ++i)
        out.append(i == 0 ? "" : i + 1 == outlets.size() ? " o " : ", ").append(outletWord(outlets[i]));
    return out;
}

Separators separatorsFor(char delimiter)
{
    return delimiter == ';' ? Separators{",", "."} : Separators{".", ","};
}

RowCalculator::RowCalculator(std::span<const std::string_view> header, char delimiter)
    : m_separators(separatorsFor(delimiter))
{
    // The first column of each name.
    const auto find = [&](std::string_view name) {
        for (std::size_t i = 0; i < header.size(); ++i)
            if (sameName(header[i], name)) return static_cast<int>(i);
        return -1;
    };
    for (std::size_t c = 0; c < kNames.size(); ++c)
        m_index[c] = find(kNames[c]);
    const auto numbers = numberColumns();
    m_numberIndex.fill(-1);
    for (std::size_t c = 0; c < numbers.size() && c < m_numberIndex.size(); ++c)
        m_numberIndex[c] = find(numbers[c]);
}

int RowCalculator::numberColumn(std::string_view name) const
{
    const auto numbers = numberColumns();
    for (std::size_t c = 0; c < numbers.size() && c < m_numberIndex.size(); ++c)
        if (name == numbers[c]) return m_numberIndex[c];
    return -1;
}

// Reads the cells of one row in the order the window reads its fields, and
// keeps the first refusal: the rest of the row is then not read.
class RowReader {
public:
    RowReader(const RowCalculator& calculator, std::span<const std::string_view> cells, RowResult& out)
        : m_calculator(calculator), m_cells(cells), m_out(out)
    {
    }

    bool refused() const { return !m_out.aviso.empty(); }

    std::string_view rawCell(int i) const
    {
        return i >= 0 && static_cast<std::size_t>(i) < m_cells.size() ? m_cells[i] : std::string_view{};
    }
    std::string_view cell(int i) const
    {
        return i >= 0 && static_cast<std::size_t>(i) < m_cells.size() ? trimBlanks(m_cells[i]) : std::string_view{};
    }
    std::string_view text(Column c) const { return cell(m_calculator.m_index[static_cast<int>(c)]); }
    std::string_view text(const char* column) const { return cell(m_calculator.numberColumn(column)); }

    // The cell of `column` read whole, as the window reads a field: a value
    // of `q`, for the sentence that refuses a cell that is no number.
    double number(const char* column, Quantity q, bool minutes = false)
    {
        return read(rawCell(m_calculator.numberColumn(column)), column, q, minutes);
    }
    double read(std::string_view cell, const char* column, Quantity q, bool minutes)
    {
        if (refused()) return 0;
        const Separators& s = m_calculator.m_separators;
        const FieldNumber n = minutes ? ReadFieldMinutes(cell, s) : ReadField(cell, s);
        if (n.text == FieldText::Empty) m_out.aviso.append("Falta ").append(column);
        if (n.text == FieldText::NotANumber) m_out.aviso = describeNotANumber(cell, q);
        return n.value;
    }

    void refuse(const char* what, Column c)
    {
        if (!refused()) m_out.aviso.append(what).append(columnName(c));
    }
    // "calculo: «área» no es un cálculo del caso A (superficie o caudal)"
    void refuseWord(Column c, std::string_view what)
    {
        if (refused()) return;
        m_out.aviso.append(columnName(c)).append(": «").append(text(c)).append("» ").append(what);
    }

    // The calculation asked for; `first` is the case's calculation other
    // than the outflow peak.
    CalculationType calculation(char caso, CalculationType first)
    {
        const std::string_view t = text(Column::Calculo);
        if (t.empty()) return CalculationType::None;
        const char* firstWord = calculationWord(first);
        if (sameName(t, firstWord)) return first;
        if (sameName(t, calculationWord(CalculationType::Outflow))) return CalculationType::Outflow;
        m_message.assign("no es un cálculo del caso ")
            .append(1, caso)
            .append(" (")
            .append(firstWord)
            .append(" o caudal)");
        refuseWord(Column::Calculo, m_message);
        return CalculationType::None;
    }

    // The outlet named among those the case offers; none when the cell is
    // empty or refused.
    Outlet choice(char caso, const std::vector<Outlet>& offered)
    {
        const std::string_view t = text(Column::Salida);
        if (t.empty()) return Outlet::None;
        for (const Outlet o : offered)
            if (sameName(t, outletWord(o))) return o;
        m_message.assign("no es una salida del caso ").append(1, caso).append(" (");
        refuseWord(Column::Salida, m_message.append(outletsInWords(offered)).append(")"));
        return Outlet::None;
    }

    // The cells of every field the case's table asks for under the options
    // of `input`, in the table's order, into `input`. A field with no column
    // of its own (the outlet size with no outlet chosen) reads the first
    // filled column of its control's other meanings. The field `skipped`
    // (the unknown of a search) is not read.
    void readFields(CaseInput& input, const InputField* skipped)
    {
        const CaseFields& table = fieldsOf(input);
        const CalculationType c = calculationOf(input);
        const Outlet o = outletOf(input);
        for (const InputField& f : table.inputs) {
            if (!f.when.holds(c, o)) continue;
            if (skipped && std::strcmp(f.control, skipped->control) == 0) continue;
            f.slot.set(input, number(f.column ? f.column : eitherColumn(table, f.control), f.quantity, f.minutes));
        }
    }

    void write(const CaseInput& in, const CaseResult& r)
    {
        const Separators& s = m_calculator.m_separators;
        const CalculationType c = calculationOf(in);
        if (r.main)
            if (const ResultField* f = resultField(in, false)) {
                m_out.resultado = FormatNumber(*r.main, f->mask, s);
                m_out.unidad = f->unit;
            }
        if (r.h)
            if (const ResultField* f = resultField(in, true)) m_out.h = FormatNumber(*r.h, f->mask, s);
        if (r.refusal) {
            const KnownValues known = knownValues(in, r);
            m_out.aviso = describeRefusal(*r.refusal, known.span(), s, c);
        }
    }

    // The field named in `buscar` among those the row's options ask for, or
    // null with the refusal said.
    const InputField* unknown(const CaseInput& input)
    {
        const std::string_view name = text(Column::Buscar);
        std::string offered;
        for (const InputField* f : searchableFields(input)) {
            if (!f->column) continue;
            if (sameName(name, f->column)) {
                if (calculationOf(input) != CalculationType::None) return f;
                refuseWord(Column::Buscar, "necesita un cálculo (calculo) cuyo resultado cumpla el objetivo");
                return nullptr;
            }
            offered.append(offered.empty() ? "" : ", ").append(f->column);
        }
        m_message.assign("no es un dato del caso ")
            .append(1, caseLetter(input))
            .append(" con estas opciones (")
            .append(offered)
            .append(")");
        refuseWord(Column::Buscar, m_message);
        return nullptr;
    }

    double objetivo(const CaseInput& input)
    {
        return read(rawCell(m_calculator.m_index[static_cast<int>(Column::Objetivo)]), columnName(Column::Objetivo),
                    computedQuantity(calculationOf(input)), false);
    }

    // The results with the value found (the first, where several are), the
    // values found, and what the search says where it did not simply meet
    // the target.
    void writeSearch(const SearchRequest& request, const SearchAnswer& answer)
    {
        const Separators& s = m_calculator.m_separators;
        for (const double x : answer.found)
            m_out.encontrado.append(m_out.encontrado.empty() ? "" : " ").append(valueText(request, x, s, 6));
        if (!answer.found.empty()) {
            CaseInput at = request.input;
            request.unknown->slot.set(at, answer.found.front());
            write(at, retencion::calculate(at));
        }
        if (answer.found.size() != 1 || (answer.whole && !answer.exact))
            m_out.aviso = describeSearch(request, answer, s);
    }

private:
    // Of the columns of `control`'s meanings, the first filled, or the first.
    const char* eitherColumn(const CaseFields& table, const char* control) const
    {
        const char* first = nullptr;
        for (const InputField& f : table.inputs) {
            if (!f.column || std::strcmp(f.control, control) != 0) continue;
            if (!text(f.column).empty()) return f.column;
            if (!first) first = f.column;
        }
        return first;
    }

    const RowCalculator& m_calculator;
    std::span<const std::string_view> m_cells;
    RowResult& m_out;
    std::string m_message;
};

namespace {

// The case's input with the options the row chose, or nothing when a word
// was refused.
std::optional<CaseInput> optionsOf(char letter, RowReader& row)
{
    const CaseFields* table = fieldsOf(letter);
    if (!table) {
        row.refuseWord(Column::Caso, "no es un caso (" + caseLettersInWords() + ")");
        return std::nullopt;
    }
    const CalculationType calculation = row.calculation(letter, table->first);
    const std::vector<Outlet> outlets = outletChoices(*table);
    const Outlet outlet = outlets.empty() ? Outlet::None : row.choice(letter, outlets);
    return blankInput(letter, calculation, outlet);
}

} // namespace

void RowCalculator::calculate(std::span<const std::string_view> cells, RowResult& out) const
{
    out.resultado.clear();
    out.unidad.clear();
    out.h.clear();
    out.aviso.clear();
    out.encontrado.clear();
    RowReader row(*this, cells, out);

    const std::string_view caso = row.text(Column::Caso);
    if (caso.empty()) {
        if (std::any_of(cells.begin(), cells.end(), [](std::string_view c) { return !trimBlanks(c).empty(); }))
            row.refuse("Falta ", Column::Caso);
        return;
    }
    const char letter = caso.size() == 1 ? upperAscii(caso[0]) : 0;
    std::optional<CaseInput> input = optionsOf(letter, row);
    if (!input || row.refused()) return;
    if (row.text(Column::Buscar).empty()) {
        row.readFields(*input, nullptr);
        if (!row.refused()) row.write(*input, retencion::calculate(*input));
        return;
    }
    // A search: the unknown's own cell is ignored.
    const InputField* unknown = row.unknown(*input);
    if (!unknown) return;
    row.readFields(*input, unknown);
    const double goal = row.objetivo(*input);
    if (row.refused()) return;
    const SearchRequest request{*input, unknown, SearchTarget::Main, goal};
    row.writeSearch(request, searchValue(request));
}

} // namespace retencion::batch
