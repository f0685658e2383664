#include "batch/batch_run.h"

#include "batch/csv_reader.h"
#include "batch/csv_writer.h"
#include "batch/row_calculator.h"
#include "cases/field_table.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include <cerrno>
#include <cstring>

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

int runBatch(std::FILE* in, std::FILE* out, const RunOptions& options, std::string& error)
{
    CsvReader reader(in);
    const char delimiter = reader.sniffDelimiter();
    reader.setDelimiter(delimiter);
    const bool bom = reader.hadByteOrderMark();
    const auto readFault = [&]() {
        if (std::ferror(in)) {
            error = "no se puede leer " + quoted(options.inputName) + ": " + std::strerror(errno);
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
    const RowCalculator calculator(reader.fields(), delimiter);
    if (!calculator.hasColumn(Column::Caso)) {
        error = lineError(options, reader.line(), "la cabecera no tiene la columna «caso»");
        return 2;
    }
    const std::size_t width = reader.fields().size();

    CsvWriter writer(out, delimiter, reader.endedWithCrLf() ? "\r\n" : "\n");
    const auto writeFault = [&]() {
        error = "no se puede escribir " + quoted(options.outputName) + ": " + std::strerror(errno);
        return 2;
    };
    if (bom) writer.raw("\xEF\xBB\xBF");
    writer.raw(reader.raw());
    for (const char* name : kResultColumns) {
        writer.delimiter();
        writer.raw(name);
    }
    writer.endRecord();

    RowResult result;
    while (reader.next()) {
        if (reader.raw().empty()) { // a blank line stays blank
            writer.endRecord();
            continue;
        }
        if (options.calculate) calculator.calculate(reader.fields(), result);
        writer.raw(reader.raw());
        // A short row is padded, so that its results stand under their names.
        for (std::size_t i = reader.fields().size(); i < width; ++i)
            writer.delimiter();
        for (const std::string* cell : {&result.resultado, &result.unidad, &result.h, &result.aviso}) {
            writer.delimiter();
            writer.field(*cell);
        }
        writer.endRecord();
        if (writer.failed()) return writeFault();
    }
    if (!reader.error().empty() || std::ferror(in)) return readFault();
    if (!writer.flush()) return writeFault();
    return 0;
}

namespace {

// Whether case `table` has a second option group (the outlet).
bool hasOutlets(const CaseFields& table)
{
    return std::any_of(table.inputs.begin(), table.inputs.end(), [](const InputField& f) { return f.when.outlets; });
}

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

} // namespace

std::string templateFor(char caso)
{
    // Each case's worked example, with the columns of the other calculation
    // and outlet left empty, under the header its table gives.
    const char* example = caso == 'A'   ? "A;superficie;orificio;10;20;60;1;;0,6;3;"
                          : caso == 'B' ? "B;superficie;rectangular;10;30;1;2;;;7;"
                          : caso == 'C' ? "C;superficie;20;60;3;0,6;5;"
                          : caso == 'D' ? "D;volumen;25;60;15;"
                          : caso == 'E' ? "E;superficie;30;60;3;1;1;10;"
                                        : nullptr;
    const CaseFields* table = fieldsOf(caso);
    if (!example || !table) return {};
    std::string text = "caso;calculo";
    if (hasOutlets(*table)) text += ";salida";
    for (const char* column : columnsOf(*table))
        text.append(";").append(column);
    return text + "\n" + example + "\n";
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
                if (!meaning.empty() && meaning[0] >= 'A' && meaning[0] <= 'Z')
                    meaning[0] = char(meaning[0] - 'A' + 'a');
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
