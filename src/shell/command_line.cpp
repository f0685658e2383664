#include "shell/command_line.h"

#include "shell/program_title.h"

#include <QString>

#include <cstdio>
#include <string_view>

namespace retencion {
namespace {

constexpr const char* kHelp =
    R"(Uso: retencion [ARCHIVO.retencion]
     retencion --informe SALIDA.pdf ARCHIVO.retencion

Predimensionamiento de depósitos de retención de aguas pluviales: los cinco
casos de diseño (A a E) sobre los ábacos, con los intervalos estudiados.

Sin argumentos abre la ventana del programa; con ARCHIVO.retencion la abre
con los datos de ese cálculo.

Opciones:
  --informe SALIDA.pdf ARCHIVO.retencion
                  escribe en SALIDA.pdf la hoja de cálculo del caso que el
                  archivo tiene delante, sin abrir ninguna ventana
  -h, --help      muestra esta ayuda
  --version       muestra la versión del programa

Para el cálculo por lotes de un fichero CSV, véase retencion-calc --help.
)";

// The options Qt reads for itself, and whether each takes a value.
struct QtOption {
    std::string_view name;
    bool takesValue;
};
// clang-format off
constexpr QtOption kQtOptions[] = {
    {"-platform", true},       {"-platformpluginpath", true}, {"-platformtheme", true}, {"-plugin", true},
    {"-qwindowgeometry", true}, {"-qwindowicon", true},       {"-qwindowtitle", true},  {"-reverse", false},
    {"-session", true},        {"-style", true},              {"-stylesheet", true},    {"-widgetcount", false},
    {"-display", true},        {"-geometry", true},           {"-name", true},          {"-title", true},
    {"-visual", true},         {"-ncols", true},              {"-cmap", false},         {"-graphicssystem", true},
    {"-nograb", false},        {"-dograb", false},            {"-sync", false},         {"-qmljsdebugger", false}};
// clang-format on

const QtOption* qtOption(std::string_view arg)
{
    // Qt takes its options with one dash or two, and `-name=value` too.
    if (arg.starts_with("--")) arg.remove_prefix(1);
    arg = arg.substr(0, arg.find('='));
    for (const QtOption& o : kQtOptions)
        if (o.name == arg) return &o;
    return nullptr;
}

} // namespace

std::optional<int> answerCommandLine(int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            std::fputs(kHelp, stdout);
            return 0;
        }
        if (arg == "--version") {
            std::printf("retencion %s\n", programVersion().toUtf8().constData());
            return 0;
        }
        if (arg == "--informe") return std::nullopt; // its own arguments follow
        if (arg == "-" || !arg.starts_with('-')) continue;
        if (const QtOption* o = qtOption(arg)) {
            if (o->takesValue && arg.find('=') == std::string_view::npos) ++i;
            continue;
        }
        // argv is in the system's code page on Windows; what is printed is UTF-8.
        std::fprintf(stderr, "retencion: opción desconocida «%s» (véase retencion --help)\n",
                     QString::fromLocal8Bit(argv[i]).toUtf8().constData());
        return 2;
    }
    return std::nullopt;
}

} // namespace retencion
