#include "cases/d/case_d_engine.h"
#include "cases/e/case_e_engine.h"
#include "charts/chart_window.h"
#include "charts/figure_painter.h"
#include "figures/case_figures.h"
#include "figures/routing_figures.h"
#include "figures/sizing_curve.h"
#include "panels/routing_check_window.h"
#include "routing/chart_check.h"
#include "ui_test_support.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <set>

using namespace retencion;
using namespace retencion::figures;

namespace {

const Separators kComma{",", "."};
constexpr auto kSurface = CalculationType::Surface;
constexpr auto kOutflow = CalculationType::Outflow;
const CaseAInput kOrificeInput{10, 1200, 3600, 1, 0.6, 3, kSurface, CaseAOutlet::Orifice};

struct FigureSet {
    QString name;
    std::vector<Figure> figures;
};

// Every chart of every case, alone and with a worked example read on it,
// and the routing's hydrographs.
std::vector<FigureSet> everyFigure()
{
    static const CaseCInput cSurface{20, 3600, 3, 0.45, 5, kSurface};
    static const CaseCInput cOutflow{30, 2700, 4, 0.75, 20000, kOutflow};
    static const CaseResult a1 = CaseAEngine(kOrificeInput);
    static const CaseResult a2 = CaseAEngine({10, 1200, 3600, 2, 1.8, 38855.34, kOutflow, CaseAOutlet::Weir});
    static const CaseResult b1 = CaseBEngine({10, 1800, 1.2, 2, 0, 7, OutletConduit::Rectangular, kSurface});
    static const CaseResult b2 = CaseBEngine({10, 1800, 1, 1, 2, 7, OutletConduit::Circular, kSurface});
    static const CaseResult c1 = CaseCEngine(cSurface), c2 = CaseCEngine(cOutflow);
    static const CaseResult d1 = CaseDEngine({25, 3600, 15, CalculationType::Volume});
    static const CaseResult d2 = CaseDEngine({40, 1800, 20000, kOutflow});
    static const CaseResult e1 = CaseEEngine({30, 3600, 3, 1, 1, 10, kSurface});
    static const CaseResult e2 = CaseEEngine({30, 3600, 3, 1, 1, 4000, kOutflow});
    const auto check = routing::checkByRouting(kOrificeInput, a1);
    std::vector<FigureSet> sets{
        {"A orificio", caseAFigures(CaseAOutlet::Orifice, kSurface, &a1, kComma)},
        {"A vertedero", caseAFigures(CaseAOutlet::Weir, kOutflow, &a2, kComma)},
        {"A solo", caseAFigures(CaseAOutlet::Orifice, kSurface, nullptr, kComma)},
        {"B rectangular", caseBFigures(OutletConduit::Rectangular, kSurface, &b1, kComma)},
        {"B circular", caseBFigures(OutletConduit::Circular, kSurface, &b2, kComma)},
        {"B solo", caseBFigures(OutletConduit::Rectangular, kSurface, nullptr, {".", ","})},
        {"C superficie", caseCFigures(cSurface, &c1, kComma)},
        {"C caudal", caseCFigures(cOutflow, &c2, kComma)},
        {"C solo", caseCFigures(cSurface, nullptr, kComma)},
        {"D volumen", caseDFigures(CalculationType::Volume, &d1, kComma)},
        {"D caudal", caseDFigures(kOutflow, &d2, kComma)},
        {"E superficie", caseEFigures(kSurface, &e1, kComma)},
        {"E calado", caseEFigures(kOutflow, &e2, kComma)},
        {"E solo", caseEFigures(kSurface, nullptr, kComma)},
    };
    if (check) sets.push_back({"laminación", routingFigures(check->routed, kComma)});
    // The sizing curves of the worked examples, in both calculations, with
    // their refused stretches; case A's with routing's curve beside it.
    static const routing::RoutingCurve routed = routing::routingCurve(kOrificeInput);
    for (const CaseInput& in : std::initializer_list<CaseInput>{
             kOrificeInput, CaseAInput{10, 1200, 3600, 2, 1.8, 38855.34, kOutflow, CaseAOutlet::Weir},
             CaseBInput{10, 1800, 1.2, 2, 0, 7, OutletConduit::Rectangular, kSurface}, cSurface, cOutflow,
             CaseDInput{25, 3600, 15, CalculationType::Volume}, CaseDInput{40, 1800, 20000, kOutflow},
             CaseEInput{30, 3600, 3, 1, 1, 10, kSurface}, CaseEInput{30, 3600, 3, 1, 1, 4000, kOutflow}})
        sets.push_back(
            {QStringLiteral("curva %1").arg(caseLetter(in)), sizingCurveFigures(sizingCurve(in), nullptr, kComma)});
    sets.push_back({"curva A con laminación", sizingCurveFigures(sizingCurve(kOrificeInput), &routed, kComma)});
    return sets;
}

// Whether a curve passes through `box`, found by walking along it in small
// steps rather than by the clipping the layout uses.
bool runsThrough(const std::vector<QPointF>& curve, const QRectF& box)
{
    for (std::size_t k = 1; k < curve.size(); ++k) {
        const QPointF a = curve[k - 1], b = curve[k];
        const int steps = 1 + int(QLineF(a, b).length());
        for (int t = 0; t <= steps; ++t)
            if (box.contains(a + (b - a) * (double(t) / steps))) return true;
    }
    return false;
}

// The faults of one figure's layout, none when every name is clear.
QStringList layoutFaults(const Figure& f, const QRectF& area)
{
    QStringList faults;
    const FigureLayout L = layoutFigure(area, f, QFont());
    const QString where =
        QString::fromStdString(f.title) + QStringLiteral(" %1×%2: ").arg(area.width()).arg(area.height());
    std::vector<std::pair<QString, QRectF>> boxes;
    for (const CurveLabel& l : L.labels) {
        boxes.push_back({l.text, l.box});
        if (!L.plot.contains(l.box)) faults << where + l.text + " outside the plot";
        for (std::size_t i = 0; i < L.curves.size(); ++i)
            if (runsThrough(L.curves[i], l.box)) faults << where + l.text + " crossed by curve " + QString::number(i);
    }
    if (f.point) boxes.push_back({QStringLiteral("point"), L.pointLabel.box});
    for (const PlacedText& t : L.bandCaptions) {
        boxes.push_back({t.text, t.box});
        if (!L.plot.contains(t.box)) faults << where + t.text + " outside the plot";
        for (std::size_t i = 0; i < L.curves.size(); ++i)
            if (runsThrough(L.curves[i], t.box)) faults << where + t.text + " crossed by curve " + QString::number(i);
    }
    if (!L.legendBox.isEmpty()) boxes.push_back({QStringLiteral("legend"), L.legendBox});
    for (std::size_t i = 0; i < boxes.size(); ++i)
        for (std::size_t j = i + 1; j < boxes.size(); ++j)
            if (boxes[i].second.intersects(boxes[j].second))
                faults << where + boxes[i].first + " overlaps " + boxes[j].first;

    // Every named curve named exactly once, beside itself or in the legend;
    // the legend names the marks the figure has, and only those.
    std::multiset<std::size_t> named;
    for (const CurveLabel& l : L.labels)
        named.insert(l.series);
    QStringList legend;
    for (const LegendEntry& e : L.legend) {
        legend << e.text;
        if (e.kind == LegendEntry::Kind::Curve) named.insert(e.series);
    }
    for (std::size_t i = 0; i < f.series.size(); ++i)
        if (named.count(i) != (f.series[i].label.empty() ? 0u : 1u))
            faults << where + QString::fromStdString(f.series[i].label) + " named " + QString::number(named.count(i));
    if (legend.contains(QString::fromStdString(f.pointName)) != f.point.has_value())
        faults << where + "point in legend";
    for (const std::string& note : f.legendNotes)
        if (!legend.contains(QString::fromStdString(note))) faults << where + "note not in legend";
    // Each reason its own hatching: no two legend entries share one, and each
    // stretch drawn has its hatching in the legend.
    std::set<int> hatchings;
    for (const LegendEntry& e : L.legend)
        if (e.kind == LegendEntry::Kind::Refused && !hatchings.insert(e.hatching).second)
            faults << where + "two reasons share a hatching";
    for (const int h : L.bandHatchings)
        if (!hatchings.count(h)) faults << where + "a stretch's hatching is not in the legend";
    if (legend.contains(QStringLiteral("Intervalo estudiado")) != (f.studiedX || f.studiedY))
        faults << where + "studied range in legend";
    if (!L.legend.empty() && !area.contains(L.legendBox)) faults << where + "legend outside the figure";

    for (const auto* ticks : {&L.xTicks, &L.yTicks}) {
        for (std::size_t i = 0; i < ticks->size(); ++i) {
            const PlacedText& t = (*ticks)[i];
            if (!area.contains(t.box)) faults << where + "tick " + t.text + " outside the figure";
            if (i > 0 && (*ticks)[i - 1].box.intersects(t.box)) faults << where + "tick " + t.text + " overlaps";
            if (t.text.contains('e') || t.text.contains("inf") || t.text.contains("nan"))
                faults << where + "tick " + t.text;
        }
    }
    return faults;
}

QString accessKeys(const QWidget* window, QStringList& repeated)
{
    QString keys;
    for (const QPushButton* b : window->findChildren<QPushButton*>()) {
        const qsizetype amp = b->text().indexOf('&');
        if (amp < 0 || amp + 1 >= b->text().size()) continue;
        const QChar key = b->text().at(amp + 1).toLower();
        if (keys.contains(key)) repeated << b->text();
        keys += key;
    }
    return keys;
}

} // namespace

class ChartsWindowsTest : public QObject {
    Q_OBJECT

private slots:
    // At the size a window opens at, its smallest, and the exported size.
    void namesKeepClearOfEachOtherAndOfTheCurves()
    {
        QStringList faults;
        for (const FigureSet& set : everyFigure())
            for (const Figure& f : set.figures)
                for (const QSizeF size :
                     {QSizeF(720, 440), QSizeF(480, minimumFigureHeight(f, 480, QFont())), QSizeF(900, 560),
                      QSizeF(300, minimumFigureHeight(f, 300, QFont(), 200))}) // side by side
                    if (size.width() > 300 || set.name == QStringLiteral("laminación"))
                        faults += layoutFaults(f, QRectF(QPointF(3, 5), size));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.mid(0, 12).join("\n")));
    }

    // Fits a laptop screen less its taskbar, every button in sight, and each
    // button with an access key of its own.
    void windowsFitAndKeysAreUnique()
    {
        QWidget panel;
        panel.show();
        test::RecordingServices services;
        ChartWindow chart(QStringLiteral("Caso B"), services, &panel);
        chart.setFigures(caseBFigures(OutletConduit::Rectangular, kSurface, nullptr, kComma));
        RoutingCheckWindow routing(services, &panel);
        const CaseResult result = CaseAEngine(kOrificeInput);
        routing.setCheck(*routing::checkByRouting(kOrificeInput, result), kOrificeInput, kComma);
        for (ChartWindow* window : {&chart, static_cast<ChartWindow*>(&routing)}) {
            const QString name = window->windowTitle();
            QVERIFY2(
                window->sizeHint().width() <= 1326 && window->sizeHint().height() <= 728,
                qPrintable(name +
                           QStringLiteral(": %1×%2").arg(window->sizeHint().width()).arg(window->sizeHint().height())));
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            for (const QPushButton* b : window->findChildren<QPushButton*>()) {
                if (b->isHidden()) continue; // shown only while it has work: "Cancelar" of a search done
                const QRect at(b->mapTo(window, QPoint(0, 0)), b->size());
                QVERIFY2(b->isVisible() && window->rect().contains(at), qPrintable(name + ": " + b->text()));
            }
            QStringList repeated;
            const QString keys = accessKeys(window, repeated);
            QVERIFY2(repeated.isEmpty(), qPrintable(name + ": " + repeated.join(", ")));
            QCOMPARE(keys.size(), window->findChildren<QPushButton*>().size());
        }
    }

    // Stretches refused for different reasons are told apart by their
    // hatching, on the plot and in the legend alike.
    void refusedReasonsHaveHatchingsOfTheirOwn()
    {
        Figure f;
        f.separators = kComma;
        f.title = "Curva";
        f.series.push_back({"Ábaco", {{0, 0}, {10, 10}}, Emphasis::Used, 0, {}});
        f.bands = {{{0, 1}, "Qp/Ip fuera de 0,1–0,85"},
                   {{4, 5}, "Sup fuera de 500–90.000"},
                   {{9, 10}, "Qp/Ip fuera de 0,1–0,85"}};
        const FigureLayout L = layoutFigure(QRectF(0, 0, 720, 440), f, QFont());
        QCOMPARE(L.bandHatchings, (std::vector<int>{0, 1, 0}));
        QStringList refused;
        for (const LegendEntry& e : L.legend)
            if (e.kind == LegendEntry::Kind::Refused) refused << QStringLiteral("%1 %2").arg(e.hatching).arg(e.text);
        QCOMPARE(refused, (QStringList{QStringLiteral("0 Fuera del ábaco: Qp/Ip fuera de 0,1–0,85"),
                                       QStringLiteral("1 Fuera del ábaco: Sup fuera de 500–90.000")}));
        std::set<int> patterns;
        for (int h = 0; h < 9; ++h)
            patterns.insert(int(hatchingPattern(h)));
        QCOMPARE(patterns.size(), std::size_t(9));
        QCOMPARE(patterns.count(int(Qt::SolidPattern)) + patterns.count(int(Qt::NoBrush)), std::size_t(0));
    }

    // The hydrographs and the level share one time axis: side by side, both
    // wholly in sight when the window opens, on a 1366 × 768 screen at scale 1
    // (a taskbar and a frame off) and at scale 2 (half of it, in the pixels
    // the widgets are laid out in).
    void routingFiguresAreInSightTogether()
    {
        for (const QSize room : {QSize(1350, 700), QSize(667, 344)}) {
            test::RecordingServices services;
            RoutingCheckWindow window(services, nullptr);
            window.setCheck(*routing::checkByRouting(kOrificeInput, CaseAEngine(kOrificeInput)), kOrificeInput, kComma);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            window.resize(room);
            QTRY_COMPARE(window.size(), room);
            QCoreApplication::processEvents();
            const auto* scroll = window.findChild<QScrollArea*>(QStringLiteral("Figuras"));
            const QRect sight(scroll->viewport()->mapTo(&window, QPoint(0, 0)), scroll->viewport()->size());
            const auto views = window.findChildren<ChartView*>();
            QCOMPARE(views.size(), qsizetype(2));
            const QString where = QStringLiteral("%1×%2").arg(room.width()).arg(room.height());
            for (const ChartView* view : views) {
                const QRect at(view->mapTo(&window, QPoint(0, 0)), view->size());
                QVERIFY2(sight.contains(at), qPrintable(where + QStringLiteral(": %1 at %2,%3 %4×%5")
                                                                    .arg(QString::fromStdString(view->figure().title))
                                                                    .arg(at.x())
                                                                    .arg(at.y())
                                                                    .arg(at.width())
                                                                    .arg(at.height())));
            }
            QCOMPARE(views[0]->y(), views[1]->y());
            // Nothing of a figure is squeezed below what it needs.
            for (const ChartView* view : views)
                QVERIFY2(view->height() >= view->minimumSizeHint().height(), qPrintable(where));
        }
    }

    void outOfDateMarksTheTitle()
    {
        test::RecordingServices services;
        RoutingCheckWindow window(services, nullptr);
        const QString title = window.windowTitle();
        window.setOutOfDate(true);
        window.setOutOfDate(true); // marked once however often it is said
        QCOMPARE(window.windowTitle(), title + QStringLiteral(" — resultado anterior: los datos han cambiado"));
        window.setOutOfDate(false);
        QCOMPARE(window.windowTitle(), title);
    }

    // The hydrographs open with the case and its inputs; a caption makes
    // the picture taller; a file that cannot be written says why.
    void exports()
    {
        test::RecordingServices services;
        RoutingCheckWindow window(services, nullptr);
        window.setCheck(*routing::checkByRouting(kOrificeInput, CaseAEngine(kOrificeInput)), kOrificeInput, kComma);
        QTemporaryDir dir;
        QVERIFY(window.exportCsv(dir.filePath("h.csv")));
        QFile csv(dir.filePath("h.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QByteArray bytes = csv.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        const QStringList lines = QString::fromUtf8(bytes.mid(3)).split('\n');
        const QStringList head{QStringLiteral("Retención — Predimensionamiento de Depósitos de Retención"),
                               QStringLiteral("Caso A: comprobación por laminación"),
                               QStringLiteral("Ip;10;m³/s"),
                               QStringLiteral("Tp;20;min."),
                               QStringLiteral("Tb;60;min."),
                               QStringLiteral("D;1;m"),
                               QStringLiteral("Ck;0,6;"),
                               QStringLiteral("Qp;3;m³/s"),
                               QString(),
                               QStringLiteral("t (min);Entrada (m³/s);Salida (m³/s);h (m)")};
        QCOMPARE(lines.mid(0, head.size()), head);
        QVERIFY(window.caption().contains(QStringLiteral("Ck = 0,6")));

        // With and without the caption ("con.png" would name a device on Windows).
        QString why;
        QVERIFY2(window.exportPng(dir.filePath("con-pie.png"), &why), qPrintable(why));
        QVERIFY(exportPng(window.figures(), dir.filePath("sin-pie.png")));
        QVERIFY(QImage(dir.filePath("con-pie.png")).height() > QImage(dir.filePath("sin-pie.png")).height());
        QVERIFY(window.exportSvg(dir.filePath("a.svg")));

        QString reason;
        QVERIFY(!window.exportCsv(dir.filePath("no/existe/h.csv"), &reason));
        QVERIFY(!reason.isEmpty());
        QVERIFY(!window.exportPng(dir.filePath("no/existe/a.png"), &reason));
        QVERIFY(!reason.isEmpty());
    }

    // Each export button writes where the user chose, with the extension
    // added when missing; giving up writes nothing; a file that cannot be
    // written is reported through the services, naming it, without a modal box.
    void exportButtonsSaveWhereTheUserChose()
    {
        test::RecordingServices services(",");
        RoutingCheckWindow window(services, nullptr);
        window.setCheck(*routing::checkByRouting(kOrificeInput, CaseAEngine(kOrificeInput)), kOrificeInput, kComma);
        QTemporaryDir dir;
        const struct {
            const char* button;
            QString chosen; // empty: the user gives up
            const char* written;
            qsizetype failures;
        } rows[] = {
            {"ExportarPNG", dir.filePath("a"), "a.png", 0},
            {"ExportarSVG", dir.filePath("b.SVG"), "b.SVG", 0},
            {"ExportarCSV", dir.filePath("c.csv"), "c.csv", 0},
            {"ExportarPNG", QString(), nullptr, 0},
            {"ExportarCSV", dir.filePath("no/existe/d.csv"), nullptr, 1},
            {"ExportarSVG", dir.filePath("no/existe/e"), nullptr, 2},
        };
        for (const auto& row : rows) {
            services.chosenPath = row.chosen;
            bool modal = false;
            QTimer::singleShot(0, &window, [&modal] {
                if (QWidget* box = QApplication::activeModalWidget()) {
                    modal = true;
                    box->close();
                }
            });
            window.findChild<QPushButton*>(row.button)->click();
            QCoreApplication::processEvents();
            const QString where = QString::fromUtf8(row.button) + " " + row.chosen;
            QVERIFY2(!modal, qPrintable(where));
            QVERIFY2(services.failures.size() == row.failures, qPrintable(where));
            if (row.written) QVERIFY2(QFileInfo(dir.filePath(row.written)).size() > 0, qPrintable(where));
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 3);
        QVERIFY(services.failures.last().contains(QDir::toNativeSeparators(dir.filePath("no/existe/e.svg"))));
    }

    void massBalanceIsReadable()
    {
        const struct {
            double percent;
            const char* text;
        } rows[] = {{3e-14, "< 0,001 %"}, {-2e-5, "< 0,001 %"}, {0.0123, "0,012 %"}, {-1.5, "-1,5 %"}};
        for (const auto& row : rows)
            QCOMPARE(RoutingCheckWindow::massBalance(row.percent, kComma), QString::fromUtf8(row.text));
    }

    void proposedNamesCarryTheCaseAndTheDate()
    {
        const QString path = proposedPath(QStringLiteral("caso-a-abaco"), QStringLiteral(".png"));
        QVERIFY(QRegularExpression(QStringLiteral("caso-a-abaco-\\d{4}-\\d{2}-\\d{2}\\.png$")).match(path).hasMatch());
    }
};

QTEST_MAIN(ChartsWindowsTest)
#include "charts_windows.moc"
