// The batch calculator's reading and writing: CSV records across buffer
// refills, whole runs from text to text (in UTF-8 and in Windows-1252), with
// the exit status and message of a file it cannot read. How a cell's number
// is read is the window's, tested with it.

#include "batch/batch_run.h"
#include "batch/csv_reader.h"
#include "batch/row_calculator.h"
#include "batch/system_error.h"
#include "batch/text.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#ifdef _WIN32
#include <process.h>

#include <filesystem>
#endif

using namespace retencion::batch;

namespace {

// An empty scratch file, gone once closed. Windows' tmpfile() makes it in the
// root of the drive, where a user may not write and where two test programs
// running at once can pick the same name: there it is made in the user's
// temporary folder under a name of its own.
std::FILE* scratchFile()
{
#ifdef _WIN32
    static int made = 0;
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
        ("retencion-prueba-" + std::to_string(_getpid()) + "-" + std::to_string(++made) + ".tmp");
    std::FILE* file = _wfopen(path.c_str(), L"w+bD"); // D: deleted when closed
#else
    std::FILE* file = std::tmpfile();
#endif
    if (!file) throw std::runtime_error("no scratch file");
    return file;
}

// A scratch file holding `text`, read from its start (a file rather than a
// memory stream, which Windows' C library lacks).
std::FILE* fileWith(const std::string& text)
{
    std::FILE* file = scratchFile();
    std::fwrite(text.data(), 1, text.size(), file);
    std::rewind(file);
    return file;
}

// All that was written to `file`.
std::string contents(std::FILE* file)
{
    std::string text;
    std::rewind(file);
    char chunk[4096];
    for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, file)) > 0;) text.append(chunk, n);
    return text;
}

// Reads all of `text` with a buffer of `bufferSize` bytes.
std::vector<std::vector<std::string>> records(const std::string& text, std::size_t bufferSize, std::string& error)
{
    std::FILE* in = fileWith(text);
    CsvReader reader(in, bufferSize);
    reader.setDelimiter(reader.sniffDelimiter());
    std::vector<std::vector<std::string>> out;
    while (reader.next())
        out.emplace_back(reader.fields().begin(), reader.fields().end());
    if (!reader.error().empty()) error = std::to_string(reader.errorLine()) + ": " + reader.error();
    std::fclose(in);
    return out;
}

struct RecordRow {
    const char* name;
    std::string text;
    std::vector<std::vector<std::string>> want;
    std::string error;
};

void PrintTo(const RecordRow& row, std::ostream* os)
{
    *os << row.name;
}

class Records : public testing::TestWithParam<RecordRow> {};

// A buffer of 1, 3 and 64 bytes: every record crosses refills.
TEST_P(Records, SplitAsTheStandardSays)
{
    for (const std::size_t size : {1, 3, 64}) {
        std::string error;
        EXPECT_EQ(records(GetParam().text, size, error), GetParam().want) << "buffer " << size;
        EXPECT_EQ(error, GetParam().error) << "buffer " << size;
    }
}

const auto recordName = [](const auto& info) { return std::string(info.param.name); };

using Fields = std::vector<std::vector<std::string>>;
// clang-format off
INSTANTIATE_TEST_SUITE_P(Csv, Records, testing::Values(
    RecordRow{"Plain", "a,b\n1,2\n", Fields{{"a", "b"}, {"1", "2"}}, ""},
    RecordRow{"SemicolonFirst", "a;b,c\n1;2,5\n", Fields{{"a", "b,c"}, {"1", "2,5"}}, ""},
    RecordRow{"CrLfAndNoFinalBreak", "a,b\r\n1,\r\n,2", Fields{{"a", "b"}, {"1", ""}, {"", "2"}}, ""},
    RecordRow{"ByteOrderMark", "\xEF\xBB\xBF" "caso\nA\n", Fields{{"caso"}, {"A"}}, ""},
    RecordRow{"QuotesAndBreaksInside", "a,\"x,\"\"y\"\"\nz\"\n\"\",q\n",
              Fields{{"a", "x,\"y\"\nz"}, {"", "q"}}, ""},
    RecordRow{"BlankLine", "a\n\nb\n", Fields{{"a"}, {""}, {"b"}}, ""},
    RecordRow{"UnterminatedQuoteNamesItsLine", "a\nb\n\"c\nd\n", Fields{{"a"}, {"b"}}, "3: comillas sin cerrar"},
    RecordRow{"QuoteInsideAField", "a\nb\"c\n", Fields{{"a"}}, "2: comillas dentro de un campo sin comillas"},
    RecordRow{"TextAfterClosingQuote", "a\n\"b\"c\n", Fields{{"a"}}, "2: texto después de unas comillas de cierre"}),
    recordName);
// clang-format on

struct RunRow {
    const char* name;
    std::string input;
    std::string output; // what is written, or the message when the run fails
    int status = 0;
};

void PrintTo(const RunRow& row, std::ostream* os)
{
    *os << row.name;
}

class Run : public testing::TestWithParam<RunRow> {};

TEST_P(Run, WritesTheRowsBackWithResults)
{
    const RunRow& row = GetParam();
    std::FILE* in = fileWith(row.input);
    std::FILE* out = scratchFile();
    std::string error;
    const int status = runBatch(in, out, {"e.csv", "-", true}, error);
    const std::string written = contents(out);
    std::fclose(out);
    std::fclose(in);
    EXPECT_EQ(status, row.status);
    EXPECT_EQ(status == 0 ? written : error, row.output);
}

const std::string kA = "caso;calculo;salida;Ip;Tp;Tb;D;Ck;Qp";
const std::string kAOut = kA + ";resultado;unidad;H;aviso\n";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Files, Run, testing::Values(
    RunRow{"WorkedExampleUnderEachConvention",
           kA + "\nA;superficie;orificio;10;20;60;1;0,6;3\n",
           kAOut + "A;superficie;orificio;10;20;60;1;0,6;3;5529,4;m²;2,07;\n"},
    RunRow{"PointFileAndColumnsInAnyOrderAnyCase",
           " ck ,QP,ip,tp,tb,d,CASO,Calculo,salida,nota\r\n0.6,3,10,20,60,1,a,SUPERFICIE,Orificio,\"x, y\"\r\n",
           " ck ,QP,ip,tp,tb,d,CASO,Calculo,salida,nota,resultado,unidad,H,aviso\r\n"
           "0.6,3,10,20,60,1,a,SUPERFICIE,Orificio,\"x, y\",5529.4,m²,2.07,\r\n"},
    RunRow{"EachRefusalStaysOnItsRow",
           kA + "\nA;superficie;orificio;abc;20;60;1;0,6;3\nA;superficie;orificio;10;;60;1;0,6;3\n"
                "G;superficie\nA;area\nA;superficie;tubo\nA;superficie;orificio;135;20;60;1;0,6;3\n"
                "A;superficie;orificio;10;20;60;1;0,6;3\n",
           kAOut + "A;superficie;orificio;abc;20;60;1;0,6;3;;;;"
                   "El texto de Ip, «abc», no es un número. Escriba solo el número, en m³/s.\n"
                   "A;superficie;orificio;10;;60;1;0,6;3;;;;Falta Tp\n"
                   "G;superficie;;;;;;;;;;;caso: «G» no es un caso (A, B, C, D o E)\n"
                   "A;area;;;;;;;;;;;calculo: «area» no es un cálculo del caso A (superficie o caudal)\n"
                   "A;superficie;tubo;;;;;;;;;;salida: «tubo» no es una salida del caso A (orificio o vertedero)\n"
                   "A;superficie;orificio;135;20;60;1;0,6;3;;;;Ip = 135 m³/s: el intervalo estudiado es 0 < Ip ≤ 130 m³/s.\n"
                   "A;superficie;orificio;10;20;60;1;0,6;3;5529,4;m²;2,07;\n"},
    // No calculation: the given value is not read; case C still finds its height.
    RunRow{"NoCalculationReadsNoGivenValue",
           "caso;calculo;Ip;Tp;B;ho;Qp\nC;;20;60;3;0,6;\n",
           "caso;calculo;Ip;Tp;B;ho;Qp;resultado;unidad;H;aviso\nC;;20;60;3;0,6;;;;10,45;\n"},
    // N is read only with circular conduits, which need it, and a whole number of them.
    RunRow{"CaseBReadsNOnlyForCircularConduits",
           "caso,calculo,salida,Ip,Tp,Qb,B,D,N,Qp\nB,superficie,rectangular,10,30,1,2,,,7\n"
           "B,superficie,rectangular,10,30,1,2,,31 conductos,7\n"
           "B,superficie,circular,10,30,1,,1,,7\nB,superficie,circular,10,30,1,,1,2.5,7\n",
           "caso,calculo,salida,Ip,Tp,Qb,B,D,N,Qp,resultado,unidad,H,aviso\n"
           "B,superficie,rectangular,10,30,1,2,,,7,3875.,m²,2.15,\n"
           "B,superficie,rectangular,10,30,1,2,,31 conductos,7,3875.,m²,2.15,\n"
           "B,superficie,circular,10,30,1,,1,,7,,,,Falta N\n"
           "B,superficie,circular,10,30,1,,1,2.5,7,,,,"
           "\"N = 2.5: N cuenta conductos y debe ser un número entero, dentro del intervalo estudiado 0 < N ≤ 30.\"\n"},
    RunRow{"CaseDHasNoHeight", "caso,calculo,Ip,Tp,V\nD,caudal,25,60,36000\n",
           "caso,calculo,Ip,Tp,V,resultado,unidad,H,aviso\nD,caudal,25,60,36000,15.29,m³/s,,\n"},
    RunRow{"ShortRowsPaddedBlankLinesKept", "caso;x;y\n\nA\n;;\n",
           "caso;x;y;resultado;unidad;H;aviso\n\nA;;;;;;Falta Ip\n;;;;;;\n"},
    // Names as a Spanish spreadsheet may write them: accents, capitals, blanks.
    RunRow{"HeaderNamesIgnoreCaseAndAccents",
           "Caso;CÁLCULO; Salida ;IP;Tp;Tb;D;Ck;Qp\nA;Superficie;Orificio;10;20;60;1;0,6;3\n",
           "Caso;CÁLCULO; Salida ;IP;Tp;Tb;D;Ck;Qp;resultado;unidad;H;aviso\n"
           "A;Superficie;Orificio;10;20;60;1;0,6;3;5529,4;m²;2,07;\n"},
    RunRow{"AccentedWordsInCells", "caso;cálculo;salida;Ip;Tp;Qb;B;Qp\nB;SUPERFÍCIE;Rectángular;10;30;1;2;7\n",
           "caso;cálculo;salida;Ip;Tp;Qb;B;Qp;resultado;unidad;H;aviso\n"
           "B;SUPERFÍCIE;Rectángular;10;30;1;2;7;3875,;m²;2,15;\n"},
    // A long row is refused with its results under their names; the cells
    // past the header follow them. Empty cells past the header are nothing.
    RunRow{"LongRowRefusedInItsAviso",
           kA + "\nA;superficie;orificio;10;20;60;1;0,6;3;7;x\nA;superficie;orificio;10;20;60;1;0,6;3;;\n",
           kAOut + "A;superficie;orificio;10;20;60;1;0,6;3;;;;"
                   "la fila tiene 11 celdas y la cabecera 9: sobran las que van tras la última columna;7;x\n"
                   "A;superficie;orificio;10;20;60;1;0,6;3;5529,4;m²;2,07;\n"},
    // Windows-1252 in, Windows-1252 out: the row as it came, the results in
    // the same encoding, "≤" as near as it allows.
    RunRow{"Windows1252WrittenBackInItsOwnEncoding",
           "caso;c\xE1lculo;salida;Ip;Tp;Tb;D;Ck;Qp;nota\n"
           "A;superficie;orificio;10;20;60;1;0,6;3;dep\xF3sito\n"
           "A;superficie;orificio;135;20;60;1;0,6;3;\xAB\xF1\xBB\n"
           "A;superficie;orificio;1\xB5;20;60;1;0,6;3;\n",
           "caso;c\xE1lculo;salida;Ip;Tp;Tb;D;Ck;Qp;nota;resultado;unidad;H;aviso\n"
           "A;superficie;orificio;10;20;60;1;0,6;3;dep\xF3sito;5529,4;m\xB2;2,07;\n"
           "A;superficie;orificio;135;20;60;1;0,6;3;\xAB\xF1\xBB;;;;"
           "Ip = 135 m\xB3/s: el intervalo estudiado es 0 < Ip <= 130 m\xB3/s.\n"
           "A;superficie;orificio;1\xB5;20;60;1;0,6;3;;;;;"
           "El texto de Ip, \xAB" "1\xB5\xBB, no es un n\xFAmero. Escriba solo el n\xFAmero, en m\xB3/s.\n"},
    RunRow{"RowOutOfTheFilesEncodingRefused",
           "caso;nota\nA;dep\xC3\xB3sito\nA;dep\xF3sito\n",
           "caso;nota;resultado;unidad;H;aviso\nA;dep\xC3\xB3sito;;;;Falta Ip\n"
           "A;dep\xF3sito;;;;la fila no está escrita en UTF-8, como las anteriores\n"},
    // A search: the unknown's cell ignored, the results those of the value
    // found, and the value after aviso; a row without buscar as always.
    RunRow{"SearchFindsTheWorkedExamplesDiameter",
           "caso;calculo;salida;Ip;Tp;Tb;D;Ck;Qp;buscar;objetivo\n"
           "A;superficie;orificio;10;20;60;7;0,6;3;D;5529,4\n"
           "A;superficie;orificio;10;20;60;1;0,6;3;;\n"
           "A;superficie;orificio;10;20;60;;0,6;3;D;1e9\n"
           "A;superficie;orificio;10;20;60;1;0,6;3;X;1\n"
           "A;superficie;orificio;10;20;60;1;0,6;3;D;\n",
           "caso;calculo;salida;Ip;Tp;Tb;D;Ck;Qp;buscar;objetivo;resultado;unidad;H;aviso;encontrado\n"
           "A;superficie;orificio;10;20;60;7;0,6;3;D;5529,4;5529,4;m²;2,07;;1\n"
           "A;superficie;orificio;10;20;60;1;0,6;3;;;5529,4;m²;2,07;;\n"
           "A;superficie;orificio;10;20;60;;0,6;3;D;1e9;;;;Ningún valor de D da Sup = 1000000000 m². Con los demás "
           "datos, D entre 0,00001 y 10 m da Sup entre 5,5294·10^-17 y 55293991 m².;\n"
           "A;superficie;orificio;10;20;60;1;0,6;3;X;1;;;;buscar: «X» no es un dato del caso A con estas opciones "
           "(Ip, Tp, Tb, D, Ck, Qp);\n"
           "A;superficie;orificio;10;20;60;1;0,6;3;D;;;;;Falta objetivo;\n"},
    RunRow{"NoCasoColumn", "Ip;Tp\n1;2\n", "e.csv, línea 1: la cabecera no tiene la columna «caso»", 2},
    RunRow{"Empty", "", "el fichero «e.csv» está vacío", 2},
    RunRow{"UnterminatedQuote", "caso\nA\n\"A\n", "e.csv, línea 3: comillas sin cerrar", 2}),
    recordName);
// clang-format on

// Texts of the system said in Spanish, and the two encodings' round trip.
TEST(BatchText, FailuresInSpanish)
{
    EXPECT_EQ(systemReason(ENOENT), "no existe el fichero o la carpeta");
    EXPECT_EQ(systemReason(EACCES), "no tiene permiso");
    EXPECT_EQ(systemReason(ENOSPC), "no queda espacio en el disco");
    EXPECT_EQ(systemReason(12345), "error del sistema número 12345");
}

TEST(BatchText, Windows1252RoundTrip)
{
    std::string every;
    for (int b = 1; b < 256; ++b)
        every += static_cast<char>(b);
    const std::string utf8 = windows1252ToUtf8(every);
    EXPECT_TRUE(isUtf8(utf8));
    EXPECT_EQ(utf8ToWindows1252(utf8), every);
    EXPECT_EQ(windows1252ToUtf8("\x80\x96"), "€–");
    EXPECT_FALSE(isUtf8("dep\xF3sito"));
    EXPECT_FALSE(isUtf8("\xC0\xAF")); // an overlong "/"
    EXPECT_TRUE(isUtf8("depósito ≤ 130 m³/s"));
}

TEST(BatchText, NamesAsAPersonReadsThem)
{
    EXPECT_TRUE(sameName("Cálculo", "calculo"));
    EXPECT_TRUE(sameName(" CÁLCULO\t", "calculo"));
    EXPECT_TRUE(sameName("Volúmen", "volumen"));
    EXPECT_FALSE(sameName("calculos", "calculo"));
    EXPECT_FALSE(sameName("Qb", "Q"));
}

// Each case's template names the columns its case reads: run as it stands,
// its worked example computes, with no refusal.
TEST(Template, EachCaseWorkedExampleComputes)
{
    for (const char caso : {'A', 'B', 'C', 'D', 'E'}) {
        std::string text = templateFor(caso);
        std::FILE* in = fileWith(text);
        std::FILE* out = scratchFile();
        std::string error;
        EXPECT_EQ(runBatch(in, out, {}, error), 0) << caso;
        const std::string written = contents(out);
        std::fclose(out);
        std::fclose(in);
        // The last four cells: resultado, unidad, H, aviso.
        const std::string row = written.substr(written.find('\n') + 1);
        const auto aviso = row.rfind(';');
        EXPECT_EQ(row.substr(aviso), ";\n") << caso << ": " << row;
        EXPECT_NE(row.find(caso == 'D' ? ";m³;" : ";m²;"), std::string::npos) << caso << ": " << row;
    }
}

} // namespace

// The template is the case's first worked example written under its
// header: each cell in its column, times in minutes, a decimal comma, and
// the cells of the other calculation and outlet empty.
TEST(Template, TheWorkedExampleUnderItsHeader)
{
    const struct {
        char caso;
        const char* text;
    } rows[] = {
        {'A', "caso;calculo;salida;Ip;Tp;Tb;D;L;Ck;Qp;S\nA;superficie;orificio;10;20;60;1;;0,6;3;\n"},
        {'B', "caso;calculo;salida;Ip;Tp;Qb;B;D;N;Qp;S\nB;superficie;rectangular;10;30;1;2;;;7;\n"},
        {'C', "caso;calculo;Ip;Tp;B;ho;Qp;S\nC;superficie;20;60;3;0,6;5;\n"},
        {'D', "caso;calculo;Ip;Tp;Qp;V\nD;volumen;25;60;15;\n"},
        {'E', "caso;calculo;Ip;Tp;B;ho;L;Qp;S\nE;superficie;30;60;3;1;1;10;\n"},
        {'F', ""},
        {'a', ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(templateFor(row.caso), row.text) << row.caso;
}

// The words of the option groups, as the file writes them, for every case
// that has an outlet to choose.
TEST(Template, OutletWordsOfEachCase)
{
    EXPECT_EQ(outletsInWords(outletChoices(*retencion::fieldsOf('A'))), "orificio o vertedero");
    EXPECT_EQ(outletsInWords(outletChoices(*retencion::fieldsOf('B'))), "rectangular o circular");
    for (const char caso : {'C', 'D', 'E'})
        EXPECT_TRUE(outletChoices(*retencion::fieldsOf(caso)).empty()) << caso;
}
