// The batch calculator's reading and writing: cells read strictly under each
// file's convention, CSV records across buffer refills, and whole runs from
// text to text, with the exit status and message of a file it cannot read.

#include "batch/batch_run.h"
#include "batch/cell_number.h"
#include "batch/csv_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <string>
#include <vector>

using namespace retencion::batch;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct CellRow {
    const char* text;
    bool commaIsDecimal;
    std::optional<double> want;
};

class CellNumber : public testing::TestWithParam<CellRow> {};

TEST_P(CellNumber, ReadsOnlyPlainNumbers)
{
    const CellRow& row = GetParam();
    EXPECT_EQ(readCellNumber(row.text, row.commaIsDecimal), row.want) << "«" << row.text << "»";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(BothConventions, CellNumber, testing::Values(
    CellRow{"2,5", true, 2.5}, CellRow{"2.5", true, 2.5}, CellRow{"2,5", false, std::nullopt},
    CellRow{" -,5 ", true, -0.5}, CellRow{"+3", false, 3.0}, CellRow{"5.", false, 5.0},
    CellRow{"1e3", false, 1000.0}, CellRow{"2,5E-1", true, 0.25}, CellRow{"0.1", false, 0.1},
    CellRow{"1e999", false, kInf}, CellRow{"-1e999", true, -kInf},
    // Grouped digits, two separators, a dangling exponent, words: none is a number.
    CellRow{"1.000,5", true, std::nullopt}, CellRow{"1,000.5", false, std::nullopt},
    CellRow{"1.2.3", false, std::nullopt}, CellRow{"1e", false, std::nullopt}, CellRow{"e3", false, std::nullopt},
    CellRow{".", false, std::nullopt}, CellRow{"-", false, std::nullopt}, CellRow{"", false, std::nullopt},
    CellRow{"abc", false, std::nullopt}, CellRow{"12abc", false, std::nullopt}, CellRow{"inf", false, std::nullopt},
    CellRow{"nan", false, std::nullopt}, CellRow{"0x10", false, std::nullopt}, CellRow{"1 000", false, std::nullopt},
    CellRow{"--1", false, std::nullopt}));
// clang-format on

// Reads all of `text` with a buffer of `bufferSize` bytes.
std::vector<std::vector<std::string>> records(const std::string& text, std::size_t bufferSize, std::string& error)
{
    std::FILE* in = fmemopen(const_cast<char*>(text.data()), text.size(), "rb");
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
    std::FILE* in = fmemopen(const_cast<char*>(row.input.data()), row.input.size(), "rb");
    char* buffer = nullptr;
    std::size_t size = 0;
    std::FILE* out = open_memstream(&buffer, &size);
    std::string error;
    const int status = runBatch(in, out, {"e.csv", "-", true}, error);
    std::fclose(out);
    std::fclose(in);
    EXPECT_EQ(status, row.status);
    EXPECT_EQ(status == 0 ? std::string(buffer, size) : error, row.output);
    std::free(buffer);
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
           kAOut + "A;superficie;orificio;abc;20;60;1;0,6;3;;;;Ip: «abc» no es un número\n"
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
    // An empty N is no conduit count with a rectangular conduit, as in the window; circular conduits need it.
    RunRow{"CaseBNeedsNOnlyForCircularConduits",
           "caso,calculo,salida,Ip,Tp,Qb,B,D,N,Qp\nB,superficie,rectangular,10,30,1,2,,,7\n"
           "B,superficie,circular,10,30,1,,1,,7\n",
           "caso,calculo,salida,Ip,Tp,Qb,B,D,N,Qp,resultado,unidad,H,aviso\n"
           "B,superficie,rectangular,10,30,1,2,,,7,3875.,m²,2.15,\nB,superficie,circular,10,30,1,,1,,7,,,,Falta N\n"},
    RunRow{"CaseDHasNoHeight", "caso,calculo,Ip,Tp,V\nD,caudal,25,60,36000\n",
           "caso,calculo,Ip,Tp,V,resultado,unidad,H,aviso\nD,caudal,25,60,36000,15.29,m³/s,,\n"},
    RunRow{"ShortRowsPaddedBlankLinesKept", "caso;x;y\n\nA\n;;\n",
           "caso;x;y;resultado;unidad;H;aviso\n\nA;;;;;;Falta Ip\n;;;;;;\n"},
    RunRow{"NoCasoColumn", "Ip;Tp\n1;2\n", "e.csv, línea 1: la cabecera no tiene la columna «caso»", 2},
    RunRow{"Empty", "", "el fichero «e.csv» está vacío", 2},
    RunRow{"UnterminatedQuote", "caso\nA\n\"A\n", "e.csv, línea 3: comillas sin cerrar", 2}),
    recordName);
// clang-format on

// Each case's template names the columns its case reads: run as it stands,
// its worked example computes, with no refusal.
TEST(Template, EachCaseWorkedExampleComputes)
{
    for (const char caso : {'A', 'B', 'C', 'D', 'E'}) {
        std::string text = templateFor(caso);
        std::FILE* in = fmemopen(text.data(), text.size(), "rb");
        char* buffer = nullptr;
        std::size_t size = 0;
        std::FILE* out = open_memstream(&buffer, &size);
        std::string error;
        EXPECT_EQ(runBatch(in, out, {}, error), 0) << caso;
        std::fclose(out);
        std::fclose(in);
        const std::string written(buffer, size);
        std::free(buffer);
        // The last four cells: resultado, unidad, H, aviso.
        const std::string row = written.substr(written.find('\n') + 1);
        const auto aviso = row.rfind(';');
        EXPECT_EQ(row.substr(aviso), ";\n") << caso << ": " << row;
        EXPECT_NE(row.find(caso == 'D' ? ";m³;" : ";m²;"), std::string::npos) << caso << ": " << row;
    }
}

} // namespace
