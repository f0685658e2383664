// A record of what the program does with a few hundred inputs per case, for
// comparing two builds line by line: each input through the window's
// "Calcular" (the result fields, their greying, the captions and tool tips,
// the message shown), through the calculation sheet (the window's own and
// the one made from the calculation's state), and through retencion-calc.
// The inputs come from a fixed seed, so the same build writes the same file.
//
//   behaviour_dump RETENCION-CALC OUTPUT.txt [PER-CASE]

#include "cases/field_table.h"
#include "charts/ui_services.h"
#include "files/calculation_file.h"
#include "panels/case_panel.h"
#include "panels/case_panels.h"
#include "shell/report_commands.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextStream>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>

using namespace retencion;

namespace {

class Recorder : public UiServices {
public:
    void ReportOutOfRange(QWidget*, const QString& detail) override { said << QStringLiteral("fuera: ") + detail; }
    void reportFailure(QWidget*, const QString& message, const QString& reason) override
    {
        said << QStringLiteral("fallo: ") + message + QLatin1Char(' ') + reason;
    }
    QString savePath(QWidget*, const QString&, const QString&) override { return {}; }
    Separators separators() const override { return {".", ","}; }
    SaveChoice askToSave(QWidget*) override { return SaveChoice::Cancel; }
    QString chooseFileToOpen(QWidget*, const QString&) override { return {}; }
    void showAbout(QWidget*) override {}
    void previewPrint(QWidget*, const QString&, const std::function<void(QPagedPaintDevice&)>&) override {}
    void reportInformation(QWidget*, const QString& m, const QString&) override { said << QStringLiteral("info: ") + m; }
    bool askInDialog(QDialog*) override { return false; }
    int chooseOne(QWidget*, const QString&, const QStringList&) override { return -1; }
    QStringList said;
};

// One input: the options clicked and the text of each field.
struct Sample {
    QStringList options;
    QList<std::pair<QString, QString>> texts; // control, text
};

// Draws from the seed with integer steps only, the same on every library.
class Draw {
public:
    explicit Draw(std::uint32_t seed) : m_engine(seed) {}
    int below(int n) { return int(m_engine() % std::uint32_t(n)); }
    double unit() { return double(m_engine() % 1000000u) / 1000000.0; }

private:
    std::mt19937 m_engine;
};

QString numberText(double v, bool whole)
{
    if (whole) return QString::number(std::llround(v));
    QString t = QString::number(v, 'f', 3);
    while (t.endsWith(QLatin1Char('0'))) t.chop(1);
    if (t.endsWith(QLatin1Char('.'))) t.chop(1);
    return t;
}

// A value in the field's studied range, or, unless `valid`, now and then
// one outside it, none, or no number.
QString valueFor(const InputField& f, const CaseInput& in, Draw& draw, bool valid)
{
    const int k = valid ? 20 + draw.below(80) : draw.below(100);
    if (k < 6) return {};
    if (k < 9) return QStringLiteral("abc");
    if (k < 11) return QStringLiteral("-1");
    const StudiedRange r = f.range ? f.range(in) : StudiedRange{};
    double low = r.low ? r.low->value : 0.0;
    double high = r.high ? r.high->value : (low > 0 ? low * 10 : 10.0);
    if (!std::isfinite(low) || !std::isfinite(high) || high < low) low = 0, high = 10;
    double v = low + (high - low) * draw.unit();
    if (k < 16) v = high * 1.5 + 0.1;
    else if (k < 20) v = low * 0.5;
    if (f.minutes) v /= 60.0;
    return numberText(v, f.quantity == Quantity::ConduitCount && k >= 20);
}

Sample drawSample(char letter, Draw& draw)
{
    const CaseFields& table = *fieldsOf(letter);
    Sample s;
    CalculationType c = CalculationType::None;
    const int k = draw.below(10);
    if (k >= 1) {
        const bool first = k < 6;
        s.options << QStringLiteral("%1Option%2").arg(QChar::fromLatin1(letter)).arg(first ? 1 : 2);
        c = first ? table.first : CalculationType::Outflow;
    }
    Outlet o = Outlet::None;
    if (letter == 'A' || letter == 'B') {
        const int j = draw.below(5);
        if (j >= 1) {
            const bool three = j < 3;
            s.options << QStringLiteral("%1Option%2").arg(QChar::fromLatin1(letter)).arg(three ? 3 : 4);
            o = letter == 'A' ? (three ? Outlet::Weir : Outlet::Orifice)
                              : (three ? Outlet::Rectangular : Outlet::Circular);
        }
    }
    CaseInput in = blankInput(letter, c, o);
    const bool valid = draw.below(10) < 6;
    QStringList done;
    for (const InputField& f : table.inputs) {
        if (done.contains(QString::fromLatin1(f.control))) continue;
        // The row that holds under the options, or the first of the control.
        const InputField* row = inputField(in, f.control);
        if (!row) row = &f;
        const QString text = valueFor(*row, in, draw, valid);
        bool ok = false;
        const double v = text.toDouble(&ok);
        if (ok) row->slot.set(in, row->minutes ? v * 60 : v);
        s.texts.append({QString::fromLatin1(f.control), text});
        done << QString::fromLatin1(f.control);
    }
    return s;
}

QString quoted(const QString& s)
{
    return QLatin1Char('"') + s + QLatin1Char('"');
}

void dumpFigures(QTextStream& out, const char* what, const std::vector<figures::Figure>& list)
{
    out << what << ' ' << list.size() << '\n';
    for (const figures::Figure& f : list) {
        std::size_t points = 0;
        for (const auto& series : f.series)
            points += series.points.size();
        out << "  " << quoted(QString::fromStdString(f.title)) << " series=" << f.series.size() << " puntos=" << points;
        if (f.point) out << QString::asprintf(" punto=(%.6g, %.6g)", f.point->x, f.point->y);
        out << ' ' << quoted(QString::fromStdString(f.pointLabel));
        for (const std::string& note : f.legendNotes)
            out << " | " << QString::fromStdString(note);
        out << '\n';
    }
}

void dumpReport(QTextStream& out, const char* what, const CaseReport& r)
{
    out << what << ": " << r.caseName << " / " << r.heading << '\n';
    for (const ReportChoice& c : r.choices)
        out << "  opción " << c.group << " = " << c.chosen << '\n';
    for (const auto* lines : {&r.inputs, &r.results})
        for (const ReportLine& l : *lines)
            out << (lines == &r.inputs ? "  dato " : "  resultado ") << l.symbol << " = " << quoted(l.value) << ' '
                << l.unit << " (" << l.meaning << ")\n";
    out << "  rechazado=" << r.refused << " fuera_de_fecha=" << r.outOfDate << ' ' << quoted(r.refusalTitle) << ' '
        << quoted(r.refusal) << '\n';
    out << "  esquema " << (r.drawing ? QString::fromStdString(r.drawing->title + " / " + r.drawing->caption) : "-")
        << '\n';
    dumpFigures(out, "  ábacos", r.charts);
    dumpFigures(out, "  curva", r.sizingCurve);
    for (const QString& line : r.routingText)
        out << "  laminación " << line << '\n';
    for (const auto& row : r.routingTable) {
        out << "  tabla";
        for (const QString& cell : row)
            out << " | " << cell;
        out << '\n';
    }
    dumpFigures(out, "  hidrogramas", r.routingFigures);
}

// What a person sees of the form: every caption, field and option, its
// text, tool tip, spoken name and whether it shows.
void dumpForm(QTextStream& out, const CasePanel& panel)
{
    for (const QLabel* l : panel.findChildren<QLabel*>())
        out << "  etiqueta " << l->objectName() << ' ' << quoted(l->text()) << (l->isHidden() ? " oculta" : "")
            << '\n';
    for (const QLineEdit* f : panel.findChildren<QLineEdit*>())
        out << "  campo " << f->objectName() << ' ' << quoted(f->text()) << " tip=" << quoted(f->toolTip())
            << " nombre=" << quoted(f->accessibleName()) << (f->isHidden() ? " oculto" : "")
            << (f->property("outOfDate").toBool() ? " anterior" : "") << '\n';
    for (const QRadioButton* b : panel.findChildren<QRadioButton*>())
        out << "  opción " << b->objectName() << ' ' << quoted(b->text()) << (b->isChecked() ? " elegida" : "")
            << '\n';
}

void dumpFocusChain(QTextStream& out, const CasePanel& panel)
{
    out << "orden del teclado:";
    const QWidget* w = panel.nextInFocusChain();
    for (int i = 0; w && w != &panel && i < 200; ++i, w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus) out << ' ' << w->objectName();
    out << '\n';
}

// The columns of the calculation file that the sample's options read.
QString csvLine(char letter, const Sample& s, QStringList& header)
{
    const CaseFields& table = *fieldsOf(letter);
    CalculationType c = CalculationType::None;
    Outlet o = Outlet::None;
    QString salida;
    for (const QString& option : s.options) {
        const QChar n = option.back();
        if (n == QLatin1Char('1')) c = table.first;
        if (n == QLatin1Char('2')) c = CalculationType::Outflow;
        if (n == QLatin1Char('3')) o = letter == 'A' ? Outlet::Weir : Outlet::Rectangular;
        if (n == QLatin1Char('4')) o = letter == 'A' ? Outlet::Orifice : Outlet::Circular;
    }
    salida = o == Outlet::Orifice       ? "orificio"
             : o == Outlet::Weir        ? "vertedero"
             : o == Outlet::Rectangular ? "rectangular"
             : o == Outlet::Circular    ? "circular"
                                        : "";
    const QString calculo = c == CalculationType::Surface  ? "superficie"
                            : c == CalculationType::Volume ? "volumen"
                            : c == CalculationType::Outflow ? "caudal"
                                                            : "";
    const Outlet read = o != Outlet::None ? o : letter == 'A' ? Outlet::Orifice : Outlet::Rectangular;
    header = {"caso", "calculo", "salida"};
    QStringList cells = {QString(QLatin1Char(letter)), calculo, salida};
    for (const InputField& f : table.inputs) {
        if (!f.column) continue;
        header << QString::fromLatin1(f.column);
        QString text;
        if (f.when.holds(c, read) || (c == CalculationType::None && !f.when.calculations))
            for (const auto& [control, typed] : s.texts)
                if (control == QLatin1String(f.control)) text = typed;
        cells << text;
    }
    return cells.join(QLatin1Char(','));
}

void dumpBatch(QTextStream& out, const QString& calc, char letter, const QList<Sample>& samples)
{
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("entrada.csv"));
    QFile file(input);
    if (!file.open(QIODevice::WriteOnly)) return;
    QStringList header;
    QString body;
    for (const Sample& s : samples)
        body += csvLine(letter, s, header) + QLatin1Char('\n');
    file.write((header.join(QLatin1Char(',')) + QLatin1Char('\n') + body).toUtf8());
    file.close();
    QProcess process;
    process.start(calc, {input});
    process.waitForFinished(-1);
    out << "## retencion-calc " << letter << " salida=" << process.exitCode() << '\n';
    out << QString::fromUtf8(process.readAllStandardOutput());
    out << QString::fromUtf8(process.readAllStandardError());
}

void dumpCase(QTextStream& out, const QString& calc, char letter, int count)
{
    Draw draw(20261207u + std::uint32_t(letter));
    QList<Sample> samples;
    for (int i = 0; i < count; ++i)
        samples << drawSample(letter, draw);
    {
        Recorder services;
        const auto panel = newCasePanel(letter, services);
        dumpFocusChain(out, *panel);
    }
    for (int i = 0; i < count; ++i) {
        const Sample& s = samples[i];
        Recorder services;
        const auto panel = newCasePanel(letter, services);
        for (const QString& option : s.options)
            panel->findChild<QRadioButton*>(option)->click();
        for (const auto& [control, typed] : s.texts)
            panel->findChild<QLineEdit*>(control)->setText(typed);
        panel->calcular()->click();
        out << "## " << letter << ' ' << i << " opciones=" << s.options.join(QLatin1Char(' ')) << '\n';
        for (const QString& said : services.said)
            out << "  dice " << said << '\n';
        dumpForm(out, *panel);
        out << "valores\n" << panel->valuesTable();
        dumpReport(out, "hoja de la ventana", panel->report());
        CalculationState calculation;
        calculation.currentCase = QString(QLatin1Char(letter));
        calculation.cases.insert(calculation.currentCase, panel->state());
        const auto sheet = sheetOf(calculation, services.separators(), QString());
        if (sheet) dumpReport(out, "hoja del estado", sheet->report);
    }
    dumpBatch(out, calc, letter, samples);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fputs("uso: behaviour_dump RETENCION-CALC SALIDA.txt [ENTRADAS-POR-CASO]\n", stderr);
        return 2;
    }
    const QString calc = QString::fromLocal8Bit(argv[1]);
    const int count = argc > 3 ? std::atoi(argv[3]) : 400;
    QFile file(QString::fromLocal8Bit(argv[2]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fputs("behaviour_dump: no se puede escribir la salida\n", stderr);
        return 2;
    }
    QTextStream out(&file);
    for (const char letter : {'A', 'B', 'C', 'D', 'E'})
        dumpCase(out, calc, letter, count);
    return 0;
}
