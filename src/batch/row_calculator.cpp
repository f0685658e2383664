#include "batch/row_calculator.h"

#include "batch/cell_number.h"
#include "cases/field_table.h"
#include "cases/known_values.h"
#include "cases/refusal_text.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace retencion::batch {
namespace {

constexpr std::array<const char*, static_cast<int>(Column::Count)> kNames{"caso", "calculo", "salida"};

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameWord(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lower(x) == lower(y); });
}

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

Separators separatorsFor(char delimiter)
{
    return delimiter == ';' ? Separators{",", "."} : Separators{".", ","};
}

RowCalculator::RowCalculator(std::span<const std::string_view> header, char delimiter)
    : m_commaIsDecimal(delimiter == ';'), m_separators(separatorsFor(delimiter))
{
    // The first column of each name.
    const auto find = [&](std::string_view name) {
        for (std::size_t i = 0; i < header.size(); ++i)
            if (sameWord(trimBlanks(header[i]), name)) return static_cast<int>(i);
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

    std::string_view cell(int i) const
    {
        return i >= 0 && static_cast<std::size_t>(i) < m_cells.size() ? trimBlanks(m_cells[i]) : std::string_view{};
    }
    std::string_view text(Column c) const { return cell(m_calculator.m_index[static_cast<int>(c)]); }
    std::string_view text(const char* column) const { return cell(m_calculator.numberColumn(column)); }

    // `emptyAsZero`: a field the window may leave empty without a refusal.
    double number(const char* column, bool emptyAsZero)
    {
        if (refused()) return 0;
        const std::string_view t = text(column);
        if (t.empty()) {
            if (!emptyAsZero) m_out.aviso.append("Falta ").append(column);
            return 0;
        }
        if (const auto v = readCellNumber(t, m_calculator.m_commaIsDecimal)) return *v;
        m_out.aviso.append(column).append(": «").append(t).append("» no es un número");
        return 0;
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
        const char* firstWord = first == CalculationType::Volume ? "volumen" : "superficie";
        if (sameWord(t, firstWord)) return first;
        if (sameWord(t, "caudal")) return CalculationType::Outflow;
        m_message.assign("no es un cálculo del caso ")
            .append(1, caso)
            .append(" (")
            .append(firstWord)
            .append(" o caudal)");
        refuseWord(Column::Calculo, m_message);
        return CalculationType::None;
    }

    // 0: empty, 1 or 2: the first or the second word; -1: refused.
    int choice(char caso, const char* word1, const char* word2)
    {
        const std::string_view t = text(Column::Salida);
        if (t.empty()) return 0;
        if (sameWord(t, word1)) return 1;
        if (sameWord(t, word2)) return 2;
        m_message.assign("no es una salida del caso ")
            .append(1, caso)
            .append(" (")
            .append(word1)
            .append(" o ")
            .append(word2)
            .append(")");
        refuseWord(Column::Salida, m_message);
        return -1;
    }

    // The cells of every field the case's table asks for under the options
    // of `input`, in the table's order, into `input`. A field with no column
    // of its own (the outlet size with no outlet chosen) reads the first
    // filled column of its control's other meanings; a field read although
    // the options hide it reads an empty cell as 0, as the window's hidden
    // field does.
    void readFields(CaseInput& input)
    {
        const CaseFields& table = fieldsOf(input);
        const CalculationType c = calculationOf(input);
        const Outlet o = outletOf(input);
        for (const InputField& f : table.inputs) {
            const bool asked = f.when.holds(c, o);
            if (!asked && !f.heldWhenHidden) continue;
            double v = number(f.column ? f.column : eitherColumn(table, f.control), !asked);
            if (f.minutes) v *= 60.0;
            f.slot.set(input, v);
            if (!asked && f.column && text(f.column).empty()) m_emptyHidden = f.quantity;
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
            KnownValues known = knownValues(in, r);
            if (m_emptyHidden) known.markMissing(*m_emptyHidden); // as the window's empty field
            m_out.aviso = describeRefusal(*r.refusal, known.span(), s, c);
        }
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
    std::optional<Quantity> m_emptyHidden; // a hidden field read as 0 from an empty cell
};

namespace {

// The case's input with the options the row chose, or nothing when a word
// was refused.
std::optional<CaseInput> optionsOf(char letter, RowReader& row)
{
    switch (letter) {
    case 'A': {
        CaseAInput in;
        in.calculation = row.calculation(letter, CalculationType::Surface);
        const int outlet = row.choice(letter, "orificio", "vertedero");
        in.outlet = outlet == 1 ? CaseAOutlet::Orifice : outlet == 2 ? CaseAOutlet::Weir : CaseAOutlet::None;
        return in;
    }
    case 'B': {
        CaseBInput in;
        in.calculation = row.calculation(letter, CalculationType::Surface);
        const int conduit = row.choice(letter, "rectangular", "circular");
        in.conduit = conduit == 1   ? OutletConduit::Rectangular
                     : conduit == 2 ? OutletConduit::Circular
                                    : OutletConduit::None;
        return in;
    }
    case 'C':
        return CaseCInput{.calculation = row.calculation(letter, CalculationType::Surface)};
    case 'D':
        return CaseDInput{.calculation = row.calculation(letter, CalculationType::Volume)};
    case 'E':
        return CaseEInput{.calculation = row.calculation(letter, CalculationType::Surface)};
    default:
        row.refuseWord(Column::Caso, "no es un caso (A, B, C, D o E)");
        return std::nullopt;
    }
}

} // namespace

void RowCalculator::calculate(std::span<const std::string_view> cells, RowResult& out) const
{
    out.resultado.clear();
    out.unidad.clear();
    out.h.clear();
    out.aviso.clear();
    RowReader row(*this, cells, out);

    const std::string_view caso = row.text(Column::Caso);
    if (caso.empty()) {
        if (std::any_of(cells.begin(), cells.end(), [](std::string_view c) { return !trimBlanks(c).empty(); }))
            row.refuse("Falta ", Column::Caso);
        return;
    }
    const char letter = caso.size() == 1 ? static_cast<char>(lower(caso[0]) - 'a' + 'A') : 0;
    std::optional<CaseInput> input = optionsOf(letter, row);
    if (!input || row.refused()) return;
    row.readFields(*input);
    if (!row.refused()) row.write(*input, retencion::calculate(*input));
}

} // namespace retencion::batch
