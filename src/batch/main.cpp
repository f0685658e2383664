// retencion-calc: the design cases over a calculation file, with no window.

#include "batch/batch_run.h"
#include "batch/csv_writer.h"
#include "batch/native_files.h"
#include "batch/row_calculator.h"
#include "batch/system_error.h"
#include "batch/text.h"
#include "cases/case_input.h"

#include <cerrno>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

using namespace retencion::batch;

namespace {

constexpr const char* kHelpHead =
    R"(Uso: retencion-calc [ENTRADA.csv|-] [-o SALIDA.csv]
     retencion-calc --plantilla {A|B} [-o SALIDA.csv]

Calcula por lotes los casos de diseño de Retención: una fila del fichero CSV
es un cálculo, y cada fila se escribe de nuevo con las columnas resultado,
unidad, H y aviso añadidas, con las mismas máscaras y los mismos avisos que la
ventana.

Sin ENTRADA, o con -, lee la entrada estándar; sin -o, escribe en la salida
estándar. Una cabecera separada por «;» indica coma decimal (la hoja de
cálculo en español); separada por «,», punto decimal. El fichero puede estar
en UTF-8 o en Windows-1252. La salida usa el mismo convenio y la misma
codificación que la entrada.

Cada celda se lee entera, como un campo de la ventana: «100 l/s» o «1.000,5»
no son números, y la fila se rechaza con su aviso.

Columnas (por su nombre en la cabecera, sin distinguir mayúsculas ni
acentos, en cualquier orden):
  caso      {A, B o C}
  calculo   superficie (en el caso D, volumen), caudal o vacío
  salida    {salidas}
  buscar    opcional: la columna del dato que se busca (Ip, Tp, Tb, D, L, B,
            ho, N, Ck, Qb, Qp, S o V); se añade la columna encontrado
  objetivo  el valor pedido del resultado (m², m³ o m³/s)
)";

// The columns of numbers come from the cases' tables, between these.
constexpr const char* kHelpTail = R"(
Qp, S y V son el dato del cálculo: Qp para superficie o volumen, S (V en el
caso D) para caudal. Los tiempos se escriben en minutos, como en la ventana.

Opciones:
  -o SALIDA.csv      escribe el resultado en SALIDA.csv (completo o nada)
  --plantilla CASO   escribe la cabecera y el ejemplo resuelto del caso
  -h, --help         muestra esta ayuda

Termina con 0 si ha leído todas las filas (también las rechazadas, que llevan
su aviso), y con 2 si la entrada no es un CSV legible, le falta la columna
caso, o no se puede leer o escribir un fichero.
)";

// The help's head with what the cases' list and tables give filled in.
std::string helpHead()
{
    using namespace retencion;
    std::string letters;
    std::string outlets;
    for (const CaseFields* table : allFields()) {
        letters.append(letters.empty() ? "" : "|").append(1, table->letter);
        const std::vector<Outlet> offered = outletChoices(*table);
        if (offered.empty()) continue;
        outlets.append(outlets.empty() ? "" : "; ").append("caso ").append(1, table->letter).append(": ");
        outlets.append(outletsInWords(offered));
    }
    std::string text = kHelpHead;
    const auto fill = [&text](std::string_view mark, const std::string& with) {
        text.replace(text.find(mark), mark.size(), with);
    };
    fill("{A|B}", letters);
    fill("{A, B o C}", caseLettersInWords());
    fill("{salidas}", outlets);
    return text;
}

int fail(const std::string& message)
{
    writeText(stderr, "retencion-calc: " + message + "\n");
    return 2;
}

struct Arguments {
    std::string input = "-";
    std::string output = "-";
    std::string plantilla;
    bool calculate = true;
};

// The arguments into `a`; the status to end with where they say all there
// is to do (the help) or are refused.
std::optional<int> readArguments(const std::vector<std::string>& args, Arguments& a)
{
    bool inputGiven = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "-h" || arg == "--help") {
            writeText(stdout, helpHead() + columnsHelp() + kHelpTail);
            return 0;
        }
        if ((arg == "-o" || arg == "--plantilla") && i + 1 >= args.size())
            return fail("falta el valor de " + std::string(arg) + " (véase --help)");
        if (arg == "-o") {
            a.output = args[++i];
        } else if (arg == "--plantilla") {
            a.plantilla = args[++i];
        } else if (arg == "--sin-calculo") { // reads and writes only, to measure them
            a.calculate = false;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return fail("opción desconocida «" + std::string(arg) + "» (véase --help)");
        } else if (inputGiven) {
            return fail("sobra el argumento «" + std::string(arg) + "»: se lee un solo fichero (véase --help)");
        } else {
            a.input = arg;
            inputGiven = true;
        }
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char** argv)
{
    useBinaryStandardStreams();
    Arguments a;
    if (const std::optional<int> done = readArguments(utf8Arguments(argc, argv), a)) return *done;
    const std::string& input = a.input;
    const std::string& output = a.output;
    const std::string& plantilla = a.plantilla;
    const bool calculate = a.calculate;

    std::string text;
    if (!plantilla.empty()) {
        const char letter = plantilla.size() == 1 ? upperAscii(plantilla[0]) : 0;
        text = templateFor(letter);
        if (text.empty()) return fail("«" + plantilla + "» no es un caso (" + retencion::caseLettersInWords() + ")");
    }

    std::FILE* in = stdin;
    if (plantilla.empty() && input != "-") {
        in = openFile(input, "rb");
        if (!in) return fail("no se puede leer «" + input + "»: " + systemReason(errno));
    }
    AtomicFile file;
    std::FILE* out = stdout;
    if (output != "-") {
        const std::string why = file.open(output);
        if (!why.empty()) return fail("no se puede escribir «" + output + "»: " + why);
        out = file.stream();
    }

    int status = 0;
    if (!plantilla.empty()) {
        if (std::fwrite(text.data(), 1, text.size(), out) != text.size() || std::fflush(out) != 0)
            return fail("no se puede escribir «" + output + "»: " + systemReason(errno));
    } else {
        std::string error;
        status = runBatch(in, out, {input, output, calculate}, error);
        if (in != stdin) std::fclose(in);
        if (status != 0) return fail(error);
    }
    if (output != "-") {
        const std::string why = file.commit();
        if (!why.empty()) return fail("no se puede escribir «" + output + "»: " + why);
    }
    return status;
}
