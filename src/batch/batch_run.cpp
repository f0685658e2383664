#include "batch/batch_run.h"

#include "batch/csv_reader.h"
#include "batch/csv_writer.h"
#include "batch/row_calculator.h"
#include "batch/system_error.h"
#include "batch/text.h"
#include "cases/field_table.h"
#include "cases/worked_examples.h"
#include "numbers/format_number.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>
#include <vector>

namespace retencion::batch {
namespace {

std::string quoted(const std::string& name)
{
    return name == "-" ? std::string("la entrada estándar") : "«" + name + "»";
}

std::string lineError(const RunOptions& options, std::uint64_t line, const std::string& what)
{
    const std::string where = options.inputName == "-" ? std::string("entrada estándar") : options.inputName;
    return where + ", línea " + std::to_string(line) + ": " + what;
}

} // namespace

namespace {

// The encoding of the file, decided by the first record with a character
// beyond ASCII: UTF-8 if it is valid UTF-8, Windows-1252 otherwise. The
// output is written in the same, so that it never mixes two.
class FileText {
public:
    explicit FileText(bool byteOrderMark) : m_encoding(byteOrderMark ? Encoding::Utf8 : Encoding::Undecided) {}

    // The cells of a record in UTF-8; false when the record is not in the
    // encoding of the records before it.
    bool decode(std::string_view raw, const std::vector<std::string_view>& cells)
    {
        m_cells.clear();
        if (isAscii(raw)) {
            m_cells.assign(cells.begin(), cells.end());
            return true;
        }
        if (m_encoding == Encoding::Undecided) m_encoding = isUtf8(raw) ? Encoding::Utf8 : Encoding::Windows1252;
        if (m_encoding == Encoding::Utf8) {
            m_cells.assign(cells.begin(), cells.end());
            return isUtf8(raw);
        }
        m_decoded.resize(cells.size());
        for (std::size_t i = 0; i < cells.size(); ++i) {
            m_decoded[i] = windows1252ToUtf8(cells[i]);
            m_cells.emplace_back(m_decoded[i]);
        }
        return true;
    }
    const std::vector<std::string_view>& cells() const { return m_cells; }

    // A text of the program's, in the file's encoding.
    std::string_view encode(const std::string& utf8)
    {
        if (m_encoding != Encoding::Windows1252) return utf8;
        m_encoded = utf8ToWindows1252(utf8);
        return m_encoded;
    }

private:
    enum class Encoding { Undecided, Utf8, Windows1252 };
    Encoding m_encoding;
    std::vector<std::string> m_decoded;
    std::vector<std::string_view> m_cells;
    std::string m_encoded;
};

// The extra cells of a row longer than the header, when any holds something.
bool holdsPastHeader(const std::vector<std::string_view>& cells, std::size_t width)
{
    for (std::size_t i = width; i < cells.size(); ++i)
        if (!trimBlanks(cells[i]).empty()) return true;
    return false;
}

} // namespace

namespace {

// The header as it stood, then the names of the results.
void writeHeader(CsvWriter& writer, const CsvReader& reader, bool bom, bool search)
{
    if (bom) writer.raw("\xEF\xBB\xBF");
    writer.raw(reader.raw());
    for (const char* name : kResultColumns) {
        writer.delimiter();
        writer.raw(name);
    }
    if (search) {
        writer.delimiter();
        writer.raw(kFoundColumn);
    }
    writer.endRecord();
}

// The results of one row: a row not in the file's encoding, or with cells
// past the header, is refused whole.
void calculateRow(const RowCalculator& calculator, FileText& text, const CsvReader& reader, std::size_t width,
                  const RunOptions& options, RowResult& result)
{
    const auto& cells = reader.fields();
    const bool readable = text.decode(reader.raw(), cells);
    for (std::string* cell : {&result.resultado, &result.unidad, &result.h, &result.aviso, &result.encontrado})
        cell->clear();
    if (!readable) {
        result.aviso = "la fila no está escrita en UTF-8, como las anteriores";
    } else if (holdsPastHeader(cells, width)) {
        result.aviso = "la fila tiene " + std::to_string(cells.size()) + " celdas y la cabecera " +
                       std::to_string(width) + ": sobran las que van tras la última columna";
    } else if (options.calculate) {
        calculator.calculate(text.cells(), result);
    }
}

// The row as it stood, then its results under their names.
void writeRow(CsvWriter& writer, const CsvReader& reader, std::size_t width, FileText& text,
              const RowResult& result, bool search)
{
    const auto& cells = reader.fields();
    const bool tooLong = holdsPastHeader(cells, width);
    if (cells.size() <= width) {
        writer.raw(reader.raw());
        // A short row is padded, so that its results stand under their names.
        for (std::size_t i = cells.size(); i < width; ++i)
            writer.delimiter();
    } else {
        // A long row gives its cells under the header, then the results
        // under their names, and after them the cells past the header,
        // so that nothing typed is lost; empty ones are left out.
        for (std::size_t i = 0; i < width; ++i) {
            if (i > 0) writer.delimiter();
            writer.field(cells[i]);
        }
    }
    for (const std::string* cell : {&result.resultado, &result.unidad, &result.h, &result.aviso}) {
        writer.delimiter();
        writer.field(text.encode(*cell));
    }
    if (search) {
        writer.delimiter();
        writer.field(text.encode(result.encontrado));
    }
    if (tooLong)
        for (std::size_t i = width; i < cells.size(); ++i) {
            writer.delimiter();
            writer.field(cells[i]);
        }
    writer.endRecord();
}

} // namespace

int runBatch(std::FILE* in, std::FILE* out, const RunOptions& options, std::string& error)
{
    CsvReader reader(in);
    const char delimiter = reader.sniffDelimiter();
    reader.setDelimiter(delimiter);
    const bool bom = reader.hadByteOrderMark();
    const auto readFault = [&]() {
        if (std::ferror(in)) {
            error = "no se puede leer " + quoted(options.inputName) + ": " + systemReason(errno);
        } else {
            error = lineError(options, reader.errorLine(), reader.error());
        }
        return 2;
    };
    if (!reader.next()) {
        if (!reader.error().empty() || std::ferror(in)) return readFault();
        error = options.inputName == "-" ? std::string("la entrada estándar está vacía")
                                         : "el fichero " + quoted(options.inputName) + " está vacío";
        return 2;
    }
    FileText text(bom);
    text.decode(reader.raw(), reader.fields());
    const RowCalculator calculator(text.cells(), delimiter);
    if (!calculator.hasColumn(Column::Caso)) {
        error = lineError(options, reader.line(), "la cabecera no tiene la columna «caso»");
        return 2;
    }
    const std::size_t width = reader.fields().size();

    CsvWriter writer(out, delimiter, reader.endedWithCrLf() ? "\r\n" : "\n");
    const auto writeFault = [&]() {
        error = "no se puede escribir " + quoted(options.outputName) + ": " + systemReason(errno);
        return 2;
    };
    const bool search = calculator.hasColumn(Column::Buscar);
    writeHeader(writer, reader, bom, search);

    RowResult result;
    while (reader.next()) {
        if (reader.raw().empty()) { // a blank line stays blank
            writer.endRecord();
            continue;
        }
        calculateRow(calculator, text, reader, width, options, result);
        writeRow(writer, reader, width, text, result, search);
        if (writer.failed()) return writeFault();
    }
    if (!reader.error().empty() || std::ferror(in)) return readFault();
    if (!writer.flush()) return writeFault();
    return 0;
}

namespace {

// The columns of numbers of one case, in the order its form reads them,
// each once.
std::vector<const char*> columnsOf(const CaseFields& table)
{
    std::vector<const char*> columns;
    for (const InputField& f : table.inputs)
        if (f.column &&
            std::none_of(columns.begin(), columns.end(), [&](const char* c) { return std::strcmp(c, f.column) == 0; }))
            columns.push_back(f.column);
    return columns;
}

// The cell of `column` for `input`: the value of the field of that column
// that its options ask for, times in minutes, with a decimal comma; empty
// where they ask for none.
std::string cellOf(const CaseInput& input, const char* column)
{
    for (const InputField& f : fieldsOf(input).inputs)
        if (f.column && std::strcmp(f.column, column) == 0 && inputField(input, f.control) == &f) {
            const double v = f.slot.get(input);
            return FormatSignificant(f.minutes ? v / 60 : v, 6, separatorsFor(';'));
        }
    return {};
}

} // namespace

std::string templateFor(char caso)
{
    // The case's first worked example, with the columns of the other
    // calculation and outlet left empty, under the header its table gives.
    const CaseFields* table = fieldsOf(caso);
    const WorkedExample* example = firstWorkedExample(caso);
    if (!table || !example) return {};
    const CaseInput& input = example->input;
    std::string header = "caso;calculo";
    std::string row = std::string(1, caso) + ";" + calculationWord(calculationOf(input));
    if (!outletChoices(*table).empty()) {
        header += ";salida";
        row.append(";").append(outletWord(outletOf(input)));
    }
    for (const char* column : columnsOf(*table)) {
        header.append(";").append(column);
        row.append(";").append(cellOf(input, column));
    }
    return header + "\n" + row + "\n";
}

std::string columnsHelp()
{
    std::string text;
    for (const char* column : numberColumns()) {
        // Each meaning of the column once, with the cases that read it so.
        std::vector<std::pair<std::string, std::string>> meanings; // meaning, cases
        const char* unit = "";
        for (const CaseFields* table : allFields())
            for (const InputField& f : table->inputs) {
                if (!f.column || std::strcmp(f.column, column) != 0) continue;
                unit = f.unit;
                std::string meaning = f.meaning;
                if (!meaning.empty()) meaning[0] = lowerAscii(meaning[0]);
                auto it =
                    std::find_if(meanings.begin(), meanings.end(), [&](const auto& m) { return m.first == meaning; });
                if (it == meanings.end()) {
                    meanings.push_back({meaning, std::string(1, table->letter)});
                } else if (it->second.back() != table->letter) {
                    it->second.append(", ").append(1, table->letter);
                }
            }
        std::string head = std::string("  ") + column;
        head.resize(8, ' ');
        head += unit;
        // Padded by characters shown, not bytes: "m³/s" is four.
        const auto shown = std::count_if(head.begin(), head.end(), [](char ch) { return (ch & 0xC0) != 0x80; });
        head.append(static_cast<std::size_t>(std::max<std::ptrdiff_t>(1, 15 - shown)), ' ');
        const std::string indent(15, ' ');
        for (const auto& [meaning, cases] : meanings) {
            text += head + meaning + " (" + cases + ")\n";
            head = indent;
        }
    }
    return text;
}

} // namespace retencion::batch
