// Writes `rows` case A rows of a calculation file to standard output, for
// timing retencion-calc on a pipe without a large file on disk: the worked
// example's neighbours, by orifice and by weir, surfaces and outflow peaks.

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    const long rows = argc > 1 ? std::atol(argv[1]) : 1000000;
    std::string out = "caso;calculo;salida;Ip;Tp;Tb;D;L;Ck;Qp;S\n";
    for (long i = 0; i < rows; ++i) {
        const int k = static_cast<int>(i % 97);
        char row[128];
        const int n = k % 2 == 0 ? std::snprintf(row, sizeof row, "A;superficie;orificio;%d,%d;20;60;1;;0,6;3;\n",
                                                 8 + k % 5, k % 10)
                                 : std::snprintf(row, sizeof row, "A;caudal;vertedero;10;20;%d;;2;1,8;;%d\n",
                                                 45 + k % 30, 20000 + 300 * k);
        out.append(row, static_cast<std::size_t>(n));
        if (out.size() > (1 << 20)) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}
