// One press of "Calcular" on each panel, offscreen, from the fields' text to
// the result written: the worked example of each case typed in, the button
// clicked, the fields read, the engine run, the results formatted and
// written.
#include "panels/case_a_panel.h"
#include "panels/case_b_panel.h"
#include "panels/case_c_panel.h"
#include "panels/case_d_panel.h"
#include "panels/case_e_panel.h"
#include "ui_test_support.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <initializer_list>
#include <utility>

using namespace retencion;
using namespace retencion::test;

namespace {

using Texts = std::initializer_list<std::pair<const char*, const char*>>;

template <class Panel>
void press(benchmark::State& state, std::initializer_list<const char*> options, Texts texts, const char* result)
{
    RecordingServices services;
    Panel panel(services);
    choose(&panel, options);
    type(&panel, texts);
    QPushButton* calcular = panel.calcular();
    for (auto _ : state)
        calcular->click();
    if (!services.messages.isEmpty() || text(&panel, result).isEmpty())
        state.SkipWithError("the example did not compute");
}

void CaseA(benchmark::State& state)
{
    press<CaseAPanel>(state, {"AOption1", "AOption4"},
                      {{"AINC", "3"}, {"AIP", "10"}, {"ATP", "20"}, {"ATB", "60"}, {"ADL", "1"}, {"ACK", "0.6"}},
                      "ARES");
}
void CaseB(benchmark::State& state)
{
    press<CaseBPanel>(state, {"BOption3", "BOption1"},
                      {{"BINC", "7"}, {"BIP", "10"}, {"BD", "2"}, {"BQB", "1"}, {"BTP", "30"}}, "BRES");
}
void CaseC(benchmark::State& state)
{
    press<CaseCPanel>(state, {"COption1"}, {{"CINC", "5"}, {"CIP", "20"}, {"CTP", "60"}, {"CB", "3"}, {"CHO", "0.6"}},
                      "CRES");
}
void CaseD(benchmark::State& state)
{
    press<CaseDPanel>(state, {"DOption1"}, {{"DINC", "15"}, {"DIP", "25"}, {"DTP", "60"}}, "DRES");
}
void CaseE(benchmark::State& state)
{
    press<CaseEPanel>(state, {"EOption1"},
                      {{"EINC", "10"}, {"EIP", "30"}, {"ETP", "60"}, {"EB", "3"}, {"EHO", "1"}, {"EL", "1"}}, "ERES");
}

} // namespace

BENCHMARK(CaseA)->Name("Calcular/case_a");
BENCHMARK(CaseB)->Name("Calcular/case_b");
BENCHMARK(CaseC)->Name("Calcular/case_c");
BENCHMARK(CaseD)->Name("Calcular/case_d");
BENCHMARK(CaseE)->Name("Calcular/case_e");

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
