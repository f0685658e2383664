// The manual: every link and picture of every page resolves, under either
// decimal separator; every "Abrir este ejemplo" loads a case that computes
// what the page says; the studied ranges the pages state are the ones the
// engines hold to; F1 opens at the focused quantity or the case in front;
// the find box goes on to the page that holds the text.
#include "cases/field_table.h"
#include "cases/worked_examples.h"
#include "panels/case_panel.h"
#include "shell/form1.h"
#include "shell/manual.h"
#include "ui_test_support.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocument>
#include <QtTest>

using namespace retencion;
using namespace retencion::test;

namespace {

const Separators kComma{",", "."};
const Separators kPoint{".", ","};

QStringList captured(const QString& text, const QString& pattern)
{
    QStringList out;
    for (auto it = QRegularExpression(pattern).globalMatch(text); it.hasNext();)
        out << it.next().captured(1);
    return out;
}

// The anchors a page defines.
QStringList anchorsOf(const QString& html)
{
    return captured(html, QStringLiteral("<a name=\"([^\"]+)\""));
}

// The cells of the first row of a page's tables whose data is `symbol`:
// the symbol, then its meaning, unit, range and options.
QStringList rowOf(const QString& html, const QString& symbol)
{
    const qsizetype at = html.indexOf(QStringLiteral("<b>%1</b></td>").arg(symbol.toHtmlEscaped()));
    if (at < 0) return {};
    const QString row = html.mid(at, html.indexOf(QStringLiteral("</tr>"), at) - at);
    QStringList cells = captured(row, QStringLiteral("<td>(.*?)</td>"));
    cells.prepend(symbol);
    return cells;
}

// The example, and the same case asked the other way: the outflow peak of
// the size it found.
std::vector<CaseInput> bothWays(const WorkedExample& e)
{
    std::vector<CaseInput> out{e.input};
    const CaseResult r = calculate(e.input);
    if (!r.main) return out;
    CaseInput twin = withGiven(e.input, *r.main);
    std::visit([](auto& in) { in.calculation = CalculationType::Outflow; }, twin);
    out.push_back(twin);
    return out;
}

double readNumber(QString text, const Separators& s)
{
    return text.replace(QString::fromStdString(s.decimal), QStringLiteral(".")).toDouble();
}

// A value of the example moved to `v` (as typed: minutes for times).
CaseInput with(CaseInput in, const InputField& f, double v)
{
    f.slot.set(in, f.minutes ? v * 60 : v);
    return in;
}

bool refusesFor(const CaseInput& in, Quantity q)
{
    const CaseResult r = calculate(in);
    return r.refusal && r.refusal->quantity == q;
}

} // namespace

class ManualTest : public QObject {
    Q_OBJECT

private slots:
    void everyLinkAndPictureResolves_data()
    {
        QTest::addColumn<QString>("decimal");
        QTest::newRow("decimal comma") << ",";
        QTest::newRow("decimal point") << ".";
    }
    void everyLinkAndPictureResolves()
    {
        QFETCH(QString, decimal);
        const Separators s = decimal == "," ? kComma : kPoint;
        QStringList faults;
        int links = 0;
        for (const QString& page : manualPages()) {
            const QString html = manualPageHtml(page, s);
            if (html.isEmpty()) {
                faults << page + " is empty";
                continue;
            }
            if (html.contains(QStringLiteral("<!--"))) faults << page + " keeps a part not generated";
            for (const QString& href : captured(html, QStringLiteral("href=\"([^\"]+)\""))) {
                ++links;
                const QUrl url = manualUrl(page).resolved(QUrl(href));
                if (url.scheme() == "ejemplo") {
                    if (!workedExample(url.path().toStdString())) faults << page + ": no example " + href;
                    continue;
                }
                const QString target = url.path().section('/', -1);
                const QString targetHtml = manualPageHtml(target, s);
                if (url.scheme() != "qrc" || targetHtml.isEmpty())
                    faults << page + ": " + href + " leads nowhere";
                else if (url.hasFragment() && !anchorsOf(targetHtml).contains(url.fragment()))
                    faults << page + ": " + href + " has no such place";
            }
            for (const QString& src : captured(html, QStringLiteral("src=\"([^\"]+)\"")))
                if (manualDrawing(QUrl(src).path(), 300, 1, QFont()).isNull()) faults << page + ": no picture " + src;
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
        QVERIFY(links > 40);

        // The browser follows them too: each page from the contents, with
        // its drawings loaded.
        RecordingServices services(qPrintable(decimal));
        ManualWindow window(services, nullptr);
        for (const QString& page : manualPages()) {
            window.browser()->setSource(manualUrl(page));
            QVERIFY2(window.browser()->document()->toPlainText().size() > 200, qPrintable(page));
        }
        window.browser()->setSource(manualUrl("caso_a.html"));
        QVERIFY(!window.browser()->document()->resource(QTextDocument::ImageResource, QUrl("dibujo:A")).isNull());
    }

    // Loaded from its link into the window and computed, each example shows
    // what the page says, under either separator.
    void everyExampleComputesItsDocumentedResult_data()
    {
        QTest::addColumn<QString>("decimal");
        QTest::newRow("decimal comma") << ",";
        QTest::newRow("decimal point") << ".";
    }
    void everyExampleComputesItsDocumentedResult()
    {
        QFETCH(QString, decimal);
        RecordingServices services(qPrintable(decimal));
        Form1 form(services);
        for (const WorkedExample& e : workedExamples()) {
            const int tab = caseLetter(e.input) - 'A';
            const QString page = QStringLiteral("caso_%1.html").arg(QChar(u'a' + tab));
            QVERIFY2(
                manualPageHtml(page, services.separators()).contains(QStringLiteral("href=\"ejemplo:%1\"").arg(e.id)),
                e.id);
            form.tabs()->setCurrentIndex(Form1::kIndexTab);
            form.openExample(QString::fromLatin1(e.id));
            QCOMPARE(form.tabs()->currentIndex(), tab);
            for (const QString& pair : QString::fromUtf8(e.shown).split(' ')) {
                const QString control = pair.section('=', 0, 0);
                const QString shown = pair.section('=', 1).replace('.', decimal);
                QCOMPARE(text(form.casePanel(tab), control), shown);
                // The page says the same, without the separator that ends a
                // whole number in the field, and with a zero before one that
                // begins it.
                QString said = shown;
                if (said.endsWith(decimal)) said.chop(1);
                if (said.startsWith(decimal)) said.prepend('0');
                QVERIFY2(manualPageHtml(page, services.separators()).contains(" = " + said + " "),
                         qPrintable(e.id + (" " + said)));
            }
        }
        QVERIFY2(services.messages.isEmpty(), qPrintable(services.messages.join('\n')));
    }

    // Each input's row states the range the engine holds it to: the worked
    // example (and its twin asking for the outflow peak) with the value just
    // inside each bound the page states is not refused for that value, and
    // just beyond it is; where the bound is stated exactly, on it is refused
    // exactly when the page says it is left out.
    void rangeTablesAreTheEnginesOwn()
    {
        QStringList faults;
        int bounds = 0;
        for (const WorkedExample& e : workedExamples())
            for (const CaseInput& in : bothWays(e)) {
                const char letter = caseLetter(in);
                const QString html =
                    manualPageHtml(QStringLiteral("caso_%1.html").arg(QChar(letter).toLower()), kComma);
                for (const TypedValue& typed : typedValues(in)) {
                    const InputField* f = inputField(in, typed.control);
                    const QStringList row = rowOf(html, QString::fromUtf8(f->symbol));
                    if (row.size() < 4) {
                        faults << QStringLiteral("%1 %2: no row").arg(letter).arg(f->symbol);
                        continue;
                    }
                    const QString range = row[3];
                    if (range == QStringLiteral("—")) continue;
                    // "a < S ≤ b unit", "S ≥ a unit"; a bound is a number or a symbol.
                    static const QRegularExpression form(
                        QStringLiteral("^(?:(\\S+) (<|≤) )?\\S+(?: (<|≤|≥|>) (\\S+))?(?: .*)?$"));
                    const QRegularExpressionMatch m = form.match(range);
                    if (!m.hasMatch()) {
                        faults << QStringLiteral("%1: %2").arg(typed.control, range);
                        continue;
                    }
                    struct Bound {
                        QString text;
                        bool included;
                        int side; // −1 low, +1 high
                    };
                    std::vector<Bound> stated;
                    if (!m.captured(1).isEmpty()) stated.push_back({m.captured(1), m.captured(2) == "≤", -1});
                    if (!m.captured(3).isEmpty()) {
                        const QString op = m.captured(3);
                        stated.push_back({m.captured(4), op == "≤" || op == "≥", op == "≥" || op == ">" ? -1 : +1});
                    }
                    for (const Bound& b : stated) {
                        std::optional<double> v;
                        if (b.text.at(0).isDigit() || b.text.at(0) == '-') v = readNumber(b.text, kComma);
                        for (const TypedValue& other : typedValues(in))
                            if (b.text == QString::fromUtf8(inputField(in, other.control)->symbol)) v = other.value;
                        if (!v) {
                            faults << QStringLiteral("%1: bound %2").arg(typed.control, b.text);
                            continue;
                        }
                        ++bounds;
                        // Beyond the rounding of a bound written to six figures.
                        const double step = std::max(std::fabs(*v), 1.0) * 1e-5;
                        const QString where = QStringLiteral("%1 %2 (%3): ").arg(letter).arg(f->symbol).arg(range);
                        if (refusesFor(with(in, *f, *v - b.side * step), f->quantity))
                            faults << where + "refused just inside";
                        if (!refusesFor(with(in, *f, *v + b.side * step), f->quantity))
                            faults << where + "not refused just beyond";
                        const bool exact = !f->minutes && QString::number(*v, 'g', 17).size() <= 8;
                        if (exact && refusesFor(with(in, *f, *v), f->quantity) == b.included)
                            faults << where + "the bound itself";
                    }
                }
            }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
        QVERIFY2(bounds >= 40, qPrintable(QString::number(bounds)));
    }

    // F1 in a field opens the page of its case at its quantity; elsewhere,
    // the page of the case in front, or the contents from the index.
    void f1OpensAtTheFocusedQuantity()
    {
        RecordingServices services(",");
        Form1 form(services);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QAction* manual = form.findChild<QAction*>("Manual");
        QVERIFY(manual);
        QCOMPARE(manual->shortcut(), QKeySequence(Qt::Key_F1));

        form.tabs()->setCurrentIndex(2);
        QLineEdit* ho = field(form.casePanel(2), "CHO");
        ho->setFocus();
        QTRY_VERIFY(ho->hasFocus());
        QTest::keyClick(ho, Qt::Key_F1);
        QVERIFY(form.manual());
        QTextBrowser* browser = form.manual()->browser();
        QCOMPARE(browser->source(), manualUrl("caso_c.html", "CHO"));
        // The place exists and shows the quantity's own row.
        QVERIFY(anchorsOf(manualPageHtml("caso_c.html", kComma)).contains("CHO"));
        const QString page = manualPageHtml("caso_c.html", kComma);
        QVERIFY(page.mid(page.indexOf("name=\"CHO\""), 40).contains("<b>ho</b>"));

        form.activateWindow();
        QTRY_VERIFY(form.isActiveWindow());
        form.tabs()->setCurrentIndex(4);
        form.casePanel(4)->calcular()->setFocus();
        manual->trigger();
        QCOMPARE(browser->source(), manualUrl("caso_e.html"));

        form.tabs()->setCurrentIndex(Form1::kIndexTab);
        form.tabs()->setFocus();
        manual->trigger();
        QCOMPARE(browser->source(), manualUrl("indice.html"));
    }

    // The find box looks on from the page shown to the pages after it.
    void findGoesOnToThePageThatHoldsIt()
    {
        RecordingServices services(",");
        ManualWindow window(services, nullptr);
        window.showAt(manualUrl("indice.html"));
        QVERIFY(window.findText("encontrado"));
        QCOMPARE(window.browser()->source().path().section('/', -1), QStringLiteral("lote.html"));
        QCOMPARE(window.browser()->textCursor().selectedText(), QStringLiteral("encontrado"));
        QVERIFY(!window.findText("texto que ninguna página tiene"));
    }
};

QTEST_MAIN(ManualTest)
#include "shell_manual.moc"
