// Calculation files in the main window, offscreen: opening a file with all
// five cases and showing it, and saving the window's calculation. The file
// is written to and read from a temporary folder, so the figures include
// the system's file calls.
#include "panels/case_panel.h"
#include "shell/calculation_files.h"
#include "shell/form1.h"
#include "ui_test_support.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace retencion;
using namespace retencion::test;

namespace {

// Every case's worked example typed and computed.
void fill(Form1& form)
{
    const char* examples[] = {
        "AOption1 AOption4 AINC=3 AIP=10 ATP=20 ATB=60 ADL=1 ACK=0.6",
        "BOption3 BOption1 BINC=7 BIP=10 BD=2 BQB=1 BTP=30",
        "COption1 CINC=5 CIP=20 CTP=60 CB=3 CHO=0.6",
        "DOption1 DINC=15 DIP=25 DTP=60",
        "EOption1 EINC=10 EIP=30 ETP=60 EB=3 EHO=1 EL=1",
    };
    for (int tab = 0; tab < 5; ++tab) {
        act(form.casePanel(tab), examples[tab]);
        form.casePanel(tab)->calcular()->click();
    }
}

void Open(benchmark::State& state)
{
    QTemporaryDir dir;
    RecordingServices services;
    services.chosenPath = dir.filePath("todo.retencion");
    Form1 saved(services), form(services);
    fill(saved);
    saved.files().saveAs();
    form.show();
    for (auto _ : state) {
        form.files().openPath(services.chosenPath);
        QApplication::processEvents(); // the window repaints what it shows
    }
    if (!services.failures.isEmpty() || form.calculation() != saved.calculation())
        state.SkipWithError("the file did not open as saved");
}

void Save(benchmark::State& state)
{
    QTemporaryDir dir;
    RecordingServices services;
    services.chosenPath = dir.filePath("todo.retencion");
    Form1 form(services);
    fill(form);
    form.files().saveAs();
    for (auto _ : state)
        form.files().save();
    if (!services.failures.isEmpty()) state.SkipWithError("the file was not saved");
}

} // namespace

BENCHMARK(Open)->Name("CalculationFile/open_and_show")->Unit(benchmark::kMillisecond);
BENCHMARK(Save)->Name("CalculationFile/save")->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true); // not the user's recent files
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
