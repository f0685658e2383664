// Compares a batch run's output with the expected file byte for byte, and
// on a difference names the first row and column that changed:
// "caso_a.csv fila 17, columna resultado: esperado «5529,4» obtenido «5529,5»".
// Rows are counted as a spreadsheet shows them: the header is row 1.

#include "batch/csv_reader.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

using retencion::batch::CsvReader;

namespace {

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

File openFile(const char* path)
{
    return {std::fopen(path, "rb"), &std::fclose};
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "uso: golden_compare NOMBRE ESPERADO.csv OBTENIDO.csv\n");
        return 2;
    }
    const std::string name = argv[1];
    File expected = openFile(argv[2]);
    File actual = openFile(argv[3]);
    if (!expected || !actual) {
        std::fprintf(stderr, "%s: no se puede abrir %s\n", name.c_str(), expected ? argv[3] : argv[2]);
        return 2;
    }
    CsvReader want(expected.get());
    CsvReader got(actual.get());
    const char delimiter = want.sniffDelimiter();
    want.setDelimiter(delimiter);
    got.setDelimiter(got.sniffDelimiter());
    if (want.hadByteOrderMark() != got.hadByteOrderMark()) {
        std::fprintf(stderr, "%s: la marca de orden de bytes difiere\n", name.c_str());
        return 1;
    }
    std::vector<std::string> header;
    for (long row = 1;; ++row) {
        const bool more = want.next();
        const bool gotMore = got.next();
        if (!more || !gotMore) {
            if (more != gotMore)
                std::fprintf(stderr, "%s fila %ld: %s\n", name.c_str(), row,
                             more ? "falta en la salida" : "sobra en la salida");
            else if (!want.error().empty() || !got.error().empty())
                std::fprintf(stderr, "%s fila %ld: %s\n", name.c_str(), row,
                             (want.error().empty() ? got.error() : want.error()).c_str());
            return more != gotMore || !want.error().empty() || !got.error().empty();
        }
        if (row == 1) header.assign(want.fields().begin(), want.fields().end());
        const auto& w = want.fields();
        const auto& g = got.fields();
        for (std::size_t c = 0; c < std::max(w.size(), g.size()); ++c) {
            const std::string_view a = c < w.size() ? w[c] : "(nada)";
            const std::string_view b = c < g.size() ? g[c] : "(nada)";
            if (a == b) continue;
            const std::string column = c < header.size() ? header[c] : std::to_string(c + 1);
            std::fprintf(stderr, "%s fila %ld, columna %s: esperado «%.*s» obtenido «%.*s»\n", name.c_str(), row,
                         column.c_str(), static_cast<int>(a.size()), a.data(), static_cast<int>(b.size()), b.data());
            return 1;
        }
        // The same values written differently: quoting, or line breaks.
        if (want.raw() != got.raw() || want.endedWithCrLf() != got.endedWithCrLf()) {
            std::fprintf(stderr, "%s fila %ld: los mismos valores, escritos con otros bytes\n", name.c_str(), row);
            return 1;
        }
    }
}
