// The batch calculator and the window, given the same data, write the same
// result, the same height and the same refusal sentence, to the character,
// under both separator conventions: the worked examples, refusals of each
// kind, and seeded random rows in and around the studied ranges.

#include "batch/row_calculator.h"
#include "cases/field_table.h"
#include "panel_factory.h"
#include "ui_test_support.h"

#include <QtTest>

#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

using namespace retencion;
using namespace retencion::test;

namespace {

// A row as words: the case, the calculation and the outlet ("-" for none),
// then COLUMN=value with a decimal point.
// clang-format off
const char* const kRows[] = {
    "A superficie orificio Ip=10 Tp=20 Tb=60 D=1 Ck=0.6 Qp=3",
    "A caudal orificio Ip=10 Tp=20 Tb=60 D=1 Ck=0.6 S=5529.4",
    "A superficie vertedero Ip=10 Tp=20 Tb=60 L=2 Ck=1.8 Qp=3",
    "A caudal vertedero Ip=10 Tp=20 Tb=60 L=2 Ck=1.8 S=38855.34",
    "A - orificio Ip=10 Tp=20 Tb=60 D=1 Ck=0.6",
    "A caudal - Ip=10 Tp=20 Tb=60 D=1 Ck=0.6 S=5529.4",
    "A superficie orificio Ip=135 Tp=20 Tb=60 D=1 Ck=0.6 Qp=3",
    "A superficie orificio Ip=10 Tp=20 Tb=15 D=1 Ck=0.6 Qp=3",
    "A superficie orificio Ip=10 Tp=20 Tb=60 D=1 Ck=0.6 Qp=0.8",
    "A caudal orificio Ip=10 Tp=20 Tb=60 D=1 Ck=0.6 S=200",
    "B superficie rectangular Ip=10 Tp=30 Qb=1 B=2 N=2 Qp=7",
    "B caudal rectangular Ip=10 Tp=30 Qb=1 B=2 N=2 S=4000",
    "B superficie circular Ip=10 Tp=30 Qb=1 D=1 N=2 Qp=7",
    "B caudal circular Ip=10 Tp=30 Qb=1 D=1 N=2 S=2144.21",
    "B superficie rectangular Ip=10 Tp=30 Qb=1 B=2 N=31 Qp=7",
    "B superficie rectangular Ip=2 Tp=30 Qb=0.2 B=2 N=0 Qp=1.4",
    "B superficie - Ip=10 Tp=30 Qb=1 B=2 N=0 Qp=7",
    "B superficie rectangular Ip=2 Tp=30 Qb=0.2 B=2 Qp=1.4",
    "B superficie rectangular Ip=10 Tp=30 Qb=1 B=2 Qp=7",
    "C superficie - Ip=20 Tp=60 B=3 ho=0.6 Qp=5",
    "C caudal - Ip=30 Tp=45 B=4 ho=0.75 S=20000",
    "C - - Ip=20 Tp=60 B=3 ho=0.6",
    "C superficie - Ip=8 Tp=60 B=3 ho=0.6 Qp=5",
    "D volumen - Ip=25 Tp=60 Qp=15",
    "D caudal - Ip=25 Tp=60 V=36000",
    "D - - Ip=51 Tp=60",
    "D volumen - Ip=25 Tp=60 Qp=24",
    "E superficie - Ip=30 Tp=60 B=3 ho=1 L=1 Qp=10",
    "E caudal - Ip=30 Tp=60 B=3 ho=1 L=1 S=4000",
    "E superficie - Ip=20 Tp=30 B=2 ho=0.1 L=0.2 Qp=5",
    "E - - Ip=30 Tp=60 B=3 ho=1 L=1",
};
// clang-format on

// Seeded rows over and around each case's studied ranges, 4 significant figures.
std::vector<std::string> randomRows()
{
    std::mt19937_64 gen(20240611);
    const auto u = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(gen); };
    const auto f = [](double v) { return QString::number(v, 'g', 4).toStdString(); };
    const auto pick = [&](std::initializer_list<const char*> words) {
        return words.begin()[std::uniform_int_distribution<std::size_t>(0, words.size() - 1)(gen)];
    };
    std::vector<std::string> rows;
    for (int i = 0; i < 30; ++i) {
        const std::string calc = pick({"superficie", "caudal"});
        const bool surface = calc == "superficie";
        const double ip = u(0.5, 140);
        const double tp = u(2, 180);
        const std::string outletA = pick({"orificio", "vertedero"});
        rows.push_back("A " + calc + " " + outletA + " Ip=" + f(ip) + " Tp=" + f(tp) + " Tb=" + f(tp * u(1, 5)) +
                       (outletA == "orificio" ? " D=" : " L=") + f(u(0.1, 4)) + " Ck=" + f(u(0.3, 2.5)) +
                       (surface ? " Qp=" + f(ip * u(0.05, 0.9)) : " S=" + f(u(300, 95000))));
        const std::string conduit = pick({"rectangular", "circular"});
        const double ipB = u(0.5, 100);
        rows.push_back("B " + calc + " " + conduit + " Ip=" + f(ipB) + " Tp=" + f(u(5, 150)) +
                       " Qb=" + f(ipB * u(0.05, 0.4)) + (conduit == "circular" ? " D=" : " B=") + f(u(0.3, 4)) + " N=" +
                       f(std::floor(u(1, 12))) + (surface ? " Qp=" + f(ipB * u(0.4, 1)) : " S=" + f(u(100, 60000))));
        const double ipC = u(8, 52);
        rows.push_back("C " + calc + " - Ip=" + f(ipC) + " Tp=" + f(u(5, 150)) + " B=" + f(u(1.9, 5.1)) +
                       " ho=" + f(u(0.35, 0.85)) + (surface ? " Qp=" + f(ipC * u(0.1, 0.4)) : " S=" + f(u(40, 1e5))));
        const double ipD = u(1, 60);
        rows.push_back("D " + std::string(surface ? "volumen" : "caudal") + " - Ip=" + f(ipD) + " Tp=" + f(u(5, 200)) +
                       (surface ? " Qp=" + f(ipD * u(0.3, 0.95)) : " V=" + f(u(100, 2e5))));
        const double ipE = u(18, 52);
        rows.push_back("E " + calc + " - Ip=" + f(ipE) + " Tp=" + f(u(5, 150)) + " B=" + f(u(1.9, 5.1)) +
                       " ho=" + f(u(0.1, 5)) + " L=" + f(u(0.15, 5)) +
                       (surface ? " Qp=" + f(ipE * u(0.1, 0.8)) : " S=" + f(u(100, 60000))));
    }
    return rows;
}

struct Parsed {
    char caso;
    std::string calculo, salida;
    std::map<std::string, std::string> values;
};

Parsed parse(const std::string& row)
{
    const QStringList words = QString::fromStdString(row).split(' ', Qt::SkipEmptyParts);
    Parsed p{words[0][0].toLatin1(), words[1].toStdString(), words[2].toStdString(), {}};
    if (p.calculo == "-") p.calculo.clear();
    if (p.salida == "-") p.salida.clear();
    for (qsizetype i = 3; i < words.size(); ++i)
        p.values[words[i].section('=', 0, 0).toStdString()] = words[i].section('=', 1).toStdString();
    return p;
}

// The panel's field of each column, and its option of each word.
QString fieldOf(char caso, const std::string& column)
{
    static const std::map<std::string, QString> names{{"Ip", "IP"}, {"Tp", "TP"}, {"Tb", "TB"}, {"Qb", "QB"},
                                                      {"Ck", "CK"}, {"N", "N"},   {"ho", "HO"}, {"Qp", "INC"},
                                                      {"S", "INC"}, {"V", "INC"}};
    QString role = names.count(column) ? names.at(column) : QString::fromStdString(column);
    if (caso == 'A' && (column == "D" || column == "L")) role = "DL";
    if (caso == 'B' && column == "B") role = "D";
    if (caso == 'E' && column == "L") role = "L";
    return QChar(caso) + role;
}

QString optionOf(char caso, const std::string& word)
{
    static const std::map<std::string, const char*> options{
        {"superficie", "Option1"}, {"volumen", "Option1"},     {"caudal", "Option2"},  {"orificio", "Option4"},
        {"vertedero", "Option3"},  {"rectangular", "Option3"}, {"circular", "Option4"}};
    return QChar(caso) + QString(options.at(word));
}

} // namespace

class PanelBatchAgreementTest : public QObject {
    Q_OBJECT

private slots:
    // The cases' tables name the panels' own fields, all of them.
    void tablesNameEveryFieldOfThePanels()
    {
        for (const CaseFields* table : allFields()) {
            RecordingServices services(".");
            const auto panel = panelFor(table->letter, services);
            QSet<QString> named;
            for (const InputField& f : table->inputs)
                named << f.control;
            for (const ResultField& r : table->results)
                named << r.control;
            QSet<QString> shown;
            for (const QLineEdit* e : panel->findChildren<QLineEdit*>())
                shown << e->objectName();
            QCOMPARE(named, shown);
        }
    }

    void sameResultsAndRefusals()
    {
        std::vector<std::string> rows(std::begin(kRows), std::end(kRows));
        for (const std::string& r : randomRows())
            rows.push_back(r);
        const std::vector<std::string> header{"caso", "calculo", "salida", "Ip", "Tp", "Tb", "Qb", "D",
                                              "L",    "B",       "ho",     "N",  "Ck", "Qp", "S",  "V"};
        const std::vector<std::string_view> headerViews(header.begin(), header.end());
        QStringList faults;
        int refused = 0;
        for (const char delimiter : {',', ';'}) {
            const batch::RowCalculator calculator(headerViews, delimiter);
            for (const std::string& row : rows) {
                const Parsed p = parse(row);
                std::vector<std::string> cells(header.size());
                cells[0] = std::string(1, p.caso);
                cells[1] = p.calculo;
                cells[2] = p.salida;
                for (std::size_t c = 3; c < header.size(); ++c)
                    if (p.values.count(header[c])) cells[c] = p.values.at(header[c]);
                const std::vector<std::string_view> cellViews(cells.begin(), cells.end());
                batch::RowResult batch;
                calculator.calculate(cellViews, batch);

                RecordingServices services(delimiter == ';' ? "," : ".");
                const auto panel = panelFor(p.caso, services);
                for (const std::string& word : {p.calculo, p.salida})
                    if (!word.empty()) panel->option(optionOf(p.caso, word).toLatin1().constData())->click();
                for (const auto& [column, value] : p.values)
                    field(panel.get(), fieldOf(p.caso, column))->setText(QString::fromStdString(value));
                panel->calcular()->click();

                const QString where = QString(delimiter) + " «" + QString::fromStdString(row) + "»: ";
                const QString res = text(panel.get(), QChar(p.caso) + QString("RES"));
                if (res.toStdString() != batch.resultado)
                    faults << where + "RES " + res + ", resultado " + QString::fromStdString(batch.resultado);
                if (p.caso != 'D') {
                    const QString h = text(panel.get(), QChar(p.caso) + QString("H"));
                    if (h.toStdString() != batch.h) faults << where + "H " + h + ", " + QString::fromStdString(batch.h);
                }
                const QStringList want =
                    batch.aviso.empty() ? QStringList{} : QStringList{QString::fromStdString(batch.aviso)};
                if (services.messages != want)
                    faults << where + "message «" + services.messages.join('|') + "», aviso «" +
                                  QString::fromStdString(batch.aviso) + "»";
                refused += !batch.aviso.empty();
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
        // Both kinds of row were compared.
        QVERIFY(refused > 20);
        QVERIFY(refused < static_cast<int>(rows.size()) * 2 - 20);
    }
};

QTEST_MAIN(PanelBatchAgreementTest)
#include "panel_batch_agreement.moc"
