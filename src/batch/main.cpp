// retencion-calc: the design cases over a calculation file, with no window.

#include "batch/batch_run.h"
#include "batch/csv_writer.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

using namespace retencion::batch;

namespace {

constexpr const char* kHelpHead =
    R"(Uso: retencion-calc [ENTRADA.csv|-] [-o SALIDA.csv]
     retencion-calc --plantilla A|B|C|D|E [-o SALIDA.csv]

Calcula por lotes los casos de diseño de Retención: una fila del fichero CSV
es un cálculo, y cada fila se escribe de nuevo con las columnas resultado,
unidad, H y aviso añadidas, con las mismas máscaras y los mismos avisos que la
ventana.

Sin ENTRADA, o con -, lee la entrada estándar; sin -o, escribe en la salida
estándar. Una cabecera separada por «;» indica coma decimal (la hoja de
cálculo en español); separada por «,», punto decimal. La salida usa el mismo
convenio que la entrada.

Columnas (por su nombre en la cabecera, en cualquier orden):
  caso      A, B, C, D o E
  calculo   superficie (en el caso D, volumen), caudal o vacío
  salida    caso A: orificio o vertedero; caso B: rectangular o circular
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

int fail(const std::string& message)
{
    std::fprintf(stderr, "retencion-calc: %s\n", message.c_str());
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    std::string input = "-";
    std::string output = "-";
    std::string plantilla;
    bool calculate = true;
    bool inputGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            std::fputs(kHelpHead, stdout);
            std::fputs(columnsHelp().c_str(), stdout);
            std::fputs(kHelpTail, stdout);
            return 0;
        }
        if ((arg == "-o" || arg == "--plantilla") && i + 1 >= argc)
            return fail("falta el valor de " + std::string(arg) + " (véase --help)");
        if (arg == "-o") {
            output = argv[++i];
        } else if (arg == "--plantilla") {
            plantilla = argv[++i];
        } else if (arg == "--sin-calculo") { // reads and writes only, to measure them
            calculate = false;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return fail("opción desconocida «" + std::string(arg) + "» (véase --help)");
        } else if (inputGiven) {
            return fail("sobra el argumento «" + std::string(arg) + "»: se lee un solo fichero (véase --help)");
        } else {
            input = arg;
            inputGiven = true;
        }
    }

    std::string text;
    if (!plantilla.empty()) {
        const char letter = plantilla.size() == 1 ? static_cast<char>(plantilla[0] & ~0x20) : 0;
        text = templateFor(letter);
        if (text.empty()) return fail("«" + plantilla + "» no es un caso (A, B, C, D o E)");
    }

    std::FILE* in = stdin;
    if (plantilla.empty() && input != "-") {
        in = std::fopen(input.c_str(), "rb");
        if (!in) return fail("no se puede leer «" + input + "»: " + std::strerror(errno));
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
            return fail("no se puede escribir «" + output + "»: " + std::strerror(errno));
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
