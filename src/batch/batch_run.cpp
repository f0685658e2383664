#include "batch/batch_run.h"

#include "batch/csv_reader.h"
#include "batch/csv_writer.h"
#include "batch/row_calculator.h"

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

std::string templateFor(char caso)
{
    // Each case's worked example, with the columns of the other calculation
    // and outlet left empty.
    switch (caso) {
    case 'A':
        return "caso;calculo;salida;Ip;Tp;Tb;D;L;Ck;Qp;S\nA;superficie;orificio;10;20;60;1;;0,6;3;\n";
    case 'B':
        return "caso;calculo;salida;Ip;Tp;Qb;B;D;N;Qp;S\nB;superficie;rectangular;10;30;1;2;;;7;\n";
    case 'C':
        return "caso;calculo;Ip;Tp;B;ho;Qp;S\nC;superficie;20;60;3;0,6;5;\n";
    case 'D':
        return "caso;calculo;Ip;Tp;Qp;V\nD;volumen;25;60;15;\n";
    case 'E':
        return "caso;calculo;Ip;Tp;B;ho;L;Qp;S\nE;superficie;30;60;3;1;1;10;\n";
    default:
        return {};
    }
}

} // namespace retencion::batch
