#include "batch/row_calculator.h"

#include "batch/text.h"
#include "cases/known_values.h"
#include "cases/refusal_text.h"
#include "numbers/read_number.h"

#include <algorithm>

namespace retencion::batch {
namespace {

struct ColumnSpec {
    const char* name;
    Quantity quantity; // of a number read from it, for the symbol and unit a refusal gives
};
// clang-format off
constexpr std::array<ColumnSpec, static_cast<int>(Column::Count)> kColumns{{
    {"caso", {}}, {"calculo", {}}, {"salida", {}},
    {"Ip", Quantity::InflowPeak}, {"Qb", Quantity::BaseFlow}, {"Tp", Quantity::PeakTime}, {"Tb", Quantity::BaseTime},
    {"D", Quantity::OrificeDiameter}, {"L", Quantity::WeirLength}, {"B", Quantity::ConduitWidth},
    {"ho", Quantity::OpeningHeight}, {"N", Quantity::ConduitCount}, {"Ck", Quantity::DischargeCoef},
    {"Qp", Quantity::GivenOutflow}, {"S", Quantity::GivenSurface}, {"V", Quantity::GivenVolume}}};
// clang-format on

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

const char* columnName(Column column)
{
    return kColumns[static_cast<int>(column)].name;
}

Separators separatorsFor(char delimiter)
{
    return delimiter == ';' ? Separators{",", "."} : Separators{".", ","};
}

RowCalculator::RowCalculator(std::span<const std::string_view> header, char delimiter)
    : m_separators(separatorsFor(delimiter))
{
    m_index.fill(-1);
    for (std::size_t c = 0; c < kColumns.size(); ++c)
        for (std::size_t i = 0; i < header.size(); ++i)
            if (sameName(header[i], kColumns[c].name)) {
                m_index[c] = static_cast<int>(i); // the first column of that name
                break;
            }
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

    std::string_view text(Column c) const
    {
        const int i = m_calculator.m_index[static_cast<int>(c)];
        return i >= 0 && static_cast<std::size_t>(i) < m_cells.size() ? trimBlanks(m_cells[i]) : std::string_view{};
    }

    // The cell read whole, as the window reads a field; `q`, where the
    // column alone does not say, is what the window's field holds.
    double number(Column c) { return read(c, kColumns[static_cast<int>(c)].quantity, false); }
    double number(Column c, Quantity q) { return read(c, q, false); }
    // A time typed in minutes, in seconds.
    double minutes(Column c) { return read(c, kColumns[static_cast<int>(c)].quantity, true); }

    double read(Column c, Quantity q, bool minutes)
    {
        if (refused()) return 0;
        const int i = m_calculator.m_index[static_cast<int>(c)];
        const std::string_view cell = i >= 0 && static_cast<std::size_t>(i) < m_cells.size() ? m_cells[i] : "";
        const Separators& s = m_calculator.m_separators;
        const FieldNumber n = minutes ? ReadFieldMinutes(cell, s) : ReadField(cell, s);
        if (n.text == FieldText::Empty) refuse("Falta ", c);
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
        const char* firstWord = first == CalculationType::Volume ? "volumen" : "superficie";
        if (sameName(t, firstWord)) return first;
        if (sameName(t, "caudal")) return CalculationType::Outflow;
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
        if (sameName(t, word1)) return 1;
        if (sameName(t, word2)) return 2;
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

    // The given value: the target outflow peak, or the tank's size.
    double given(CalculationType c, Column tankSize)
    {
        if (c == CalculationType::None) return 0;
        return number(c == CalculationType::Outflow ? tankSize : Column::Qp);
    }

    // Of two columns for one field, the first unless only the second is filled.
    Column either(Column a, Column b) const { return text(a).empty() && !text(b).empty() ? b : a; }

    template <class Input> void write(const Input& in, const CaseResult& r, ResultMasks masks)
    {
        const Separators& s = m_calculator.m_separators;
        if (r.main) {
            m_out.resultado = FormatNumber(*r.main, masks.main, s);
            m_out.unidad = quantityUnit(computedQuantity(in.calculation));
        }
        if (r.h && masks.height) m_out.h = FormatNumber(*r.h, masks.height, s);
        if (r.refusal) {
            const KnownValues known = knownValues(in, r);
            m_out.aviso = describeRefusal(*r.refusal, known.span(), s, in.calculation);
        }
    }

private:
    const RowCalculator& m_calculator;
    std::span<const std::string_view> m_cells;
    RowResult& m_out;
    std::string m_message;
};

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
    switch (letter) {
    case 'A': {
        CaseAInput in;
        in.calculation = row.calculation(letter, CalculationType::Surface);
        const int outlet = row.choice(letter, "orificio", "vertedero");
        in.outlet = outlet == 1 ? CaseAOutlet::Orifice : outlet == 2 ? CaseAOutlet::Weir : CaseAOutlet::None;
        in.ip = row.number(Column::Ip);
        in.tp = row.minutes(Column::Tp);
        in.tb = row.minutes(Column::Tb);
        in.dl = outlet == 1   ? row.number(Column::D)
                : outlet == 2 ? row.number(Column::L)
                              : row.number(row.either(Column::D, Column::L), Quantity::OutletSize);
        in.ck = row.number(Column::Ck);
        in.given = row.given(in.calculation, Column::S);
        if (!row.refused()) row.write(in, CaseAEngine(in), caseAMasks(in.calculation));
        return;
    }
    case 'B': {
        CaseBInput in;
        in.calculation = row.calculation(letter, CalculationType::Surface);
        const int conduit = row.choice(letter, "rectangular", "circular");
        in.conduit = conduit == 1   ? OutletConduit::Rectangular
                     : conduit == 2 ? OutletConduit::Circular
                                    : OutletConduit::None;
        in.ip = row.number(Column::Ip);
        in.tp = row.minutes(Column::Tp);
        in.qb = row.number(Column::Qb);
        in.size = conduit == 2 ? row.number(Column::D, Quantity::ConduitDiameter)
                               : row.number(conduit == 1 ? Column::B : row.either(Column::B, Column::D),
                                            Quantity::ConduitWidth);
        // N counts circular conduits; a rectangular one never reads it.
        if (in.conduit == OutletConduit::Circular) in.n = row.number(Column::N);
        in.given = row.given(in.calculation, Column::S);
        if (!row.refused()) row.write(in, CaseBEngine(in), caseBMasks(in.calculation));
        return;
    }
    case 'C': {
        CaseCInput in;
        in.calculation = row.calculation(letter, CalculationType::Surface);
        in.ip = row.number(Column::Ip);
        in.tp = row.minutes(Column::Tp);
        in.b = row.number(Column::B);
        in.ho = row.number(Column::Ho);
        in.given = row.given(in.calculation, Column::S);
        if (!row.refused()) row.write(in, CaseCEngine(in), caseCMasks(in.calculation));
        return;
    }
    case 'D': {
        CaseDInput in;
        in.calculation = row.calculation(letter, CalculationType::Volume);
        in.ip = row.number(Column::Ip);
        in.tp = row.minutes(Column::Tp);
        in.given = row.given(in.calculation, Column::V);
        if (!row.refused()) row.write(in, CaseDEngine(in), caseDMasks(in.calculation));
        return;
    }
    case 'E': {
        CaseEInput in;
        in.calculation = row.calculation(letter, CalculationType::Surface);
        in.ip = row.number(Column::Ip);
        in.tp = row.minutes(Column::Tp);
        in.b = row.number(Column::B);
        in.ho = row.number(Column::Ho);
        in.l = row.number(Column::L);
        in.given = row.given(in.calculation, Column::S);
        if (!row.refused()) row.write(in, CaseEEngine(in), caseEMasks(in.calculation));
        return;
    }
    default:
        row.refuseWord(Column::Caso, "no es un caso (A, B, C, D o E)");
    }
}

} // namespace retencion::batch
