#include "shell/manual.h"

#include "cases/field_table.h"
#include "cases/refusal_text.h"
#include "cases/worked_examples.h"
#include "charts/figure_painter.h"
#include "charts/ui_services.h"
#include "figures/case_drawings.h"
#include "numbers/format_number.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace retencion {
namespace {

const QString kRoot = QStringLiteral("qrc:/manual/");

QString number(double v, const Separators& s)
{
    return QString::fromStdString(FormatSignificant(v, 6, s));
}

// A bound of an input's studied range: a number in the unit the form types,
// or, where the range follows another value of the form, that value's
// symbol. `markers` holds, for each input of the case, the value that
// stands for it in the probe input.
struct Probe {
    CaseInput input;
    std::vector<std::pair<double, const InputField*>> markers;
};

// An input of the case whose every value is a distinct marker, so that a
// bound taken from another value of the form can be told by its marker.
Probe probeOf(const CaseInput& example)
{
    Probe p{example, {}};
    double marker = 7919.123;
    for (const InputField& f : fieldsOf(example).inputs) {
        if (inputField(example, f.control) != &f) continue;
        f.slot.set(p.input, marker);
        p.markers.push_back({marker, &f});
        marker += 1013.017;
    }
    return p;
}

QString boundText(double v, const InputField& field, const Probe& probe, const Separators& s)
{
    for (const auto& [marker, other] : probe.markers)
        if (v == marker) return QString::fromUtf8(other->symbol);
    return number(field.minutes ? v / 60 : v, s);
}

// "0 < Ip ≤ 130 m³/s", "Tp < Tb ≤ 240 min.", "L ≥ 0,2 m".
QString rangeText(const InputField& field, const Probe& probe, const Separators& s)
{
    if (!field.range) return QStringLiteral("—");
    const StudiedRange r = field.range(probe.input);
    const QString symbol = QString::fromUtf8(field.symbol);
    QString out;
    if (r.low && r.high)
        out = boundText(r.low->value, field, probe, s) + (r.low->included ? " ≤ " : " < ") + symbol +
              (r.high->included ? " ≤ " : " < ") + boundText(r.high->value, field, probe, s);
    else if (r.low)
        out = symbol + (r.low->included ? " ≥ " : " > ") + boundText(r.low->value, field, probe, s);
    else if (r.high)
        out = symbol + (r.high->included ? " ≤ " : " < ") + boundText(r.high->value, field, probe, s);
    else
        return QStringLiteral("—");
    if (*field.unit) out += QStringLiteral(" ") + QString::fromUtf8(field.unit);
    return out;
}

// When a row holds, in the words of the form's options.
QString whenText(const When& when)
{
    QStringList parts;
    if (when.calculations & When::bitOf(CalculationType::Surface)) parts << QStringLiteral("cálculo de la superficie");
    if (when.calculations & When::bitOf(CalculationType::Volume)) parts << QStringLiteral("cálculo del volumen");
    if (when.calculations & When::bitOf(CalculationType::Outflow)) parts << QStringLiteral("cálculo del caudal");
    if (when.outlets & When::bitOf(Outlet::Orifice)) parts << QStringLiteral("orificio");
    if (when.outlets & When::bitOf(Outlet::Weir)) parts << QStringLiteral("vertedero");
    if (when.outlets & When::bitOf(Outlet::Rectangular)) parts << QStringLiteral("conducto rectangular");
    if (when.outlets & When::bitOf(Outlet::Circular)) parts << QStringLiteral("conductos circulares");
    if (when.outlets & When::bitOf(Outlet::None)) parts << QStringLiteral("sin salida elegida");
    return parts.join(QStringLiteral(", "));
}

const WorkedExample& firstExample(char letter)
{
    const WorkedExample* e = firstWorkedExample(letter);
    return e ? *e : workedExamples().front();
}

// The case's inputs and results, each anchored by its control's name, with
// its studied range: from the case's field table.
QString fieldsHtml(char letter, const Separators& s)
{
    const CaseFields* fields = fieldsOf(letter);
    if (!fields) return {};
    const Probe probe = probeOf(firstExample(letter).input);
    QString out = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">"
                                 "<tr><th>Dato</th><th>Significado</th><th>Unidad</th><th>Intervalo estudiado</th>"
                                 "<th>Se pide con</th></tr>");
    // A field that follows the options has one row for each meaning; F1 in
    // the field opens at the first.
    QStringList anchored;
    const auto anchorOf = [&anchored](const char* name) {
        const QString control = QString::fromLatin1(name);
        if (anchored.contains(control)) return QString();
        anchored << control;
        return QStringLiteral("<a name=\"%1\"></a>").arg(control);
    };
    for (const InputField& f : fields->inputs) {
        const QString anchor = anchorOf(f.control);
        const QString when = whenText(f.when);
        out += QStringLiteral("<tr><td>%1<b>%2</b></td><td>%3</td><td>%4</td><td>%5</td><td>%6</td></tr>")
                   .arg(anchor, QString::fromUtf8(f.symbol).toHtmlEscaped(), QString::fromUtf8(f.meaning),
                        QString::fromUtf8(f.unit), rangeText(f, probe, s).toHtmlEscaped(),
                        when.isEmpty() ? QStringLiteral("siempre") : when);
    }
    out += QStringLiteral("</table><p></p><table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">"
                          "<tr><th>Resultado</th><th>Significado</th><th>Unidad</th><th>Se da con</th></tr>");
    for (const ResultField& f : fields->results) {
        const QString anchor = anchorOf(f.control);
        const QString when = whenText(f.when);
        out +=
            QStringLiteral("<tr><td>%1<b>%2</b></td><td>%3</td><td>%4</td><td>%5</td></tr>")
                .arg(anchor, QString::fromUtf8(f.symbol).toHtmlEscaped(), QString::fromUtf8(f.meaning).toHtmlEscaped(),
                     QString::fromUtf8(f.unit), when.isEmpty() ? QStringLiteral("siempre") : when);
    }
    return out + QStringLiteral("</table>");
}

// The quantities a case derives from the data and holds to the charts, with
// the very ranges its engine checks.
std::span<const DerivedRange> derivedOf(char letter)
{
    const std::optional<CaseInput> input = inputOfCase(letter);
    if (!input) return {};
    return std::visit([](const auto& in) { return caseEntries(in).derived; }, *input);
}

QString derivedHtml(char letter, const Separators& s)
{
    QString out = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">"
                                 "<tr><th>Magnitud</th><th>Intervalo estudiado</th></tr>");
    for (const DerivedRange& d : derivedOf(letter)) {
        const QString symbol = QString::fromUtf8(quantitySymbol(d.quantity));
        const QString unit = QString::fromUtf8(quantityUnit(d.quantity));
        QString range;
        if (d.range.low && d.range.high)
            range = number(d.range.low->value, s) + (d.range.low->included ? " ≤ " : " < ") + symbol +
                    (d.range.high->included ? " ≤ " : " < ") + number(d.range.high->value, s);
        else if (d.range.low)
            range = symbol + (d.range.low->included ? " ≥ " : " > ") + number(d.range.low->value, s);
        else if (d.range.high)
            range = symbol + (d.range.high->included ? " ≤ " : " < ") + number(d.range.high->value, s);
        if (!unit.isEmpty()) range += QStringLiteral(" ") + unit;
        out += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>").arg(symbol.toHtmlEscaped(), range.toHtmlEscaped());
    }
    return out + QStringLiteral("</table>");
}

// "ARES=5529.4 AH=2.07" as the form shows it under `s`.
QStringList shownPairs(const WorkedExample& e)
{
    return QString::fromUtf8(e.shown).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QString examplesHtml(char letter, const Separators& s)
{
    QString out;
    for (const WorkedExample& e : workedExamples()) {
        if (caseLetter(e.input) != letter) continue;
        QStringList data;
        for (const TypedValue& v : typedValues(e.input)) {
            const InputField* f = inputField(e.input, v.control);
            data << QStringLiteral("%1 = %2 %3")
                        .arg(QString::fromUtf8(f->symbol), number(v.value, s), QString::fromUtf8(f->unit))
                        .trimmed();
        }
        QStringList results;
        for (const QString& pair : shownPairs(e)) {
            const QString control = pair.section(QLatin1Char('='), 0, 0);
            // As the form shows it, less the separator a mask such as
            // "######." leaves at the end of a whole number, and with the
            // zero "##.##" leaves out before the separator.
            QString value = pair.section(QLatin1Char('='), 1);
            if (value.endsWith(QLatin1Char('.'))) value.chop(1);
            if (value.startsWith(QLatin1Char('.'))) value.prepend(QLatin1Char('0'));
            value.replace(QLatin1Char('.'), QString::fromStdString(s.decimal));
            for (const bool height : {false, true}) {
                const ResultField* r = resultField(e.input, height);
                if (r && control == QLatin1String(r->control))
                    results << QStringLiteral("%1 = %2 %3")
                                   .arg(QString::fromUtf8(r->symbol), value, QString::fromUtf8(r->unit));
            }
        }
        out += QStringLiteral("<h3><a name=\"%1\"></a>Ejemplo %1: %2</h3><p>Datos: %3.</p><p>Resultado: %4.</p>"
                              "<p><a href=\"ejemplo:%1\">Abrir este ejemplo</a></p>")
                   .arg(QString::fromLatin1(e.id), QString::fromUtf8(e.title), data.join(QStringLiteral("; ")),
                        results.join(QStringLiteral("; ")));
    }
    return out;
}

} // namespace

const QStringList& manualPages()
{
    // A page for each case, in the order of the cases, after the pages that
    // help choose one.
    static const QStringList pages = [] {
        QStringList out{QStringLiteral("indice.html"), QStringLiteral("elegir.html")};
        for (const char letter : kCaseLetters)
            out << QStringLiteral("caso_%1.html").arg(QChar(letter).toLower());
        out << QStringLiteral("limites.html") << QStringLiteral("archivos.html") << QStringLiteral("lote.html")
            << QStringLiteral("buscar.html");
        return out;
    }();
    return pages;
}

QString manualPageHtml(const QString& page, const Separators& separators)
{
    if (!manualPages().contains(page)) return {};
    QFile file(QStringLiteral(":/manual/") + page);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QString text = QString::fromUtf8(file.readAll());
    static const QRegularExpression generated(QStringLiteral("<!--(campos|rangos|ejemplos):([A-Z])-->"));
    QString out;
    qsizetype from = 0;
    for (auto it = generated.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += text.mid(from, m.capturedStart() - from);
        const char letter = m.captured(2).at(0).toLatin1();
        const QString kind = m.captured(1);
        out += kind == QLatin1String("campos")   ? fieldsHtml(letter, separators)
               : kind == QLatin1String("rangos") ? derivedHtml(letter, separators)
                                                 : examplesHtml(letter, separators);
        from = m.capturedEnd();
    }
    out += text.mid(from);
    // The pages are written with a decimal comma, as the charts are; a
    // point where the regional settings say so.
    // A file's example keeps its own separators.
    if (separators.decimal == ",") return out;
    static const QRegularExpression decimalComma(QStringLiteral("(\\d),(\\d)"));
    const QString point = QStringLiteral("\\1") + QString::fromStdString(separators.decimal) + QStringLiteral("\\2");
    QStringList parts = out.split(QStringLiteral("<pre>"));
    for (QString& part : parts) {
        const qsizetype end = part.indexOf(QStringLiteral("</pre>"));
        QString prose = end < 0 ? part : part.mid(end);
        prose.replace(decimalComma, point);
        part = end < 0 ? prose : part.left(end) + prose;
    }
    return parts.join(QStringLiteral("<pre>"));
}

QUrl manualUrl(const QString& page, const QString& anchor)
{
    QUrl url(kRoot + page);
    if (!anchor.isEmpty()) url.setFragment(anchor);
    return url;
}

QUrl manualUrlForField(const QString& control)
{
    if (control.isEmpty()) return manualUrl(manualPages().front());
    const char letter = control.at(0).toLatin1();
    if (const CaseFields* fields = fieldsOf(letter)) {
        const QString page = QStringLiteral("caso_%1.html").arg(QChar(letter).toLower());
        for (const InputField& f : fields->inputs)
            if (control == QLatin1String(f.control)) return manualUrl(page, control);
        for (const ResultField& f : fields->results)
            if (control == QLatin1String(f.control)) return manualUrl(page, control);
    }
    return {};
}

QUrl manualUrlForTab(int tab)
{
    if (tab < 0 || std::size_t(tab) >= kCaseLetters.size()) return manualUrl(manualPages().front());
    return manualUrl(QStringLiteral("caso_%1.html").arg(QChar(kCaseLetters[std::size_t(tab)]).toLower()));
}

QImage manualDrawing(const QString& name, int width, double ratio, const QFont& font)
{
    // "A", "A-vertedero", "B-circular@300": the case, its outlet, and the
    // width the page shows it at, where it is not `width`.
    static const QRegularExpression form(QStringLiteral("^([A-Z])(?:-(vertedero|circular))?(?:@(\\d{2,4}))?$"));
    const QRegularExpressionMatch m = form.match(name);
    if (!m.hasMatch()) return {};
    const char letter = m.captured(1).at(0).toLatin1();
    if (!fieldsOf(letter)) return {}; // no such case
    if (!m.captured(3).isEmpty()) width = m.captured(3).toInt();
    const figures::Drawing drawing = figures::caseDrawing(
        letter, m.captured(2) == QLatin1String("vertedero") ? CaseAOutlet::Weir : CaseAOutlet::Orifice,
        m.captured(2) == QLatin1String("circular") ? OutletConduit::Circular : OutletConduit::Rectangular);
    const int height = int(std::ceil(drawingHeight(drawing, width, font)));
    QImage image(QSize(width, height) * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setFont(font);
    QPalette paper;
    paper.setColor(QPalette::Base, Qt::white);
    paper.setColor(QPalette::Text, Qt::black);
    paintDrawing(p, QRectF(0, 0, width, height), drawing, paper);
    return image;
}

ManualBrowser::ManualBrowser(const Separators& separators, QWidget* parent)
    : QTextBrowser(parent), m_separators(separators)
{
}

QVariant ManualBrowser::loadResource(int type, const QUrl& name)
{
    if (name.scheme() == QLatin1String("dibujo")) {
        // Drawn at the width the page asks for, on the page's own scale.
        const QImage image = manualDrawing(name.path(), 480, devicePixelRatioF(), font());
        return image.isNull() ? QVariant() : QVariant(image);
    }
    if (type == QTextDocument::HtmlResource && name.scheme() == QLatin1String("qrc") &&
        name.path().startsWith(QLatin1String("/manual/"))) {
        const QString page = manualPageHtml(name.path().mid(8), m_separators);
        return page.isEmpty() ? QVariant() : QVariant(page);
    }
    return QTextBrowser::loadResource(type, name);
}

ManualWindow::ManualWindow(UiServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window), m_browser(new ManualBrowser(services.separators())), m_find(new QLineEdit),
      m_separators(services.separators())
{
    setObjectName(QStringLiteral("ManualVentana"));
    setWindowTitle(QStringLiteral("Manual de Retención"));
    m_browser->setObjectName(QStringLiteral("ManualTexto"));
    m_browser->setOpenLinks(false);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &ManualWindow::followLink);

    const auto button = [this](const char* name, const QString& text, const QString& tip) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(tip);
        return b;
    };
    QPushButton* contents =
        button("ManualContenido", QStringLiteral("&Contenido"), QStringLiteral("Índice del manual"));
    QPushButton* back = button("ManualAtras", QStringLiteral("← A&trás"), QStringLiteral("Página anterior (Alt+←)"));
    QPushButton* forward =
        button("ManualAdelante", QStringLiteral("A&delante →"), QStringLiteral("Página siguiente (Alt+→)"));
    QPushButton* next = button("ManualSiguiente", QStringLiteral("&Buscar"),
                               QStringLiteral("Busca el texto en esta página y en las siguientes (Intro)"));
    QPushButton* print =
        button("ManualImprimir", QStringLiteral("&Imprimir…"), QStringLiteral("Imprime el manual entero"));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, [this] { showAt(manualUrl(manualPages().front())); });
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
    new QShortcut(QKeySequence::Back, m_browser, [this] { m_browser->backward(); });
    new QShortcut(QKeySequence::Forward, m_browser, [this] { m_browser->forward(); });

    m_find->setObjectName(QStringLiteral("ManualBuscar"));
    m_find->setPlaceholderText(QStringLiteral("Buscar en el manual"));
    m_find->setClearButtonEnabled(true);
    auto* findLabel = new QLabel(QStringLiteral("B&uscar:"), this);
    findLabel->setBuddy(m_find);
    auto* notFound = new QLabel(this);
    notFound->setObjectName(QStringLiteral("ManualNoEncontrado"));
    const auto find = [this, notFound] {
        const bool found = findText(m_find->text());
        notFound->setText(found || m_find->text().isEmpty() ? QString() : QStringLiteral("No está en el manual."));
    };
    connect(m_find, &QLineEdit::returnPressed, this, find);
    connect(next, &QPushButton::clicked, this, find);
    new QShortcut(QKeySequence::Find, this, [this] {
        m_find->setFocus();
        m_find->selectAll();
    });
    connect(print, &QPushButton::clicked, this, &ManualWindow::print);

    auto* bar = new QHBoxLayout;
    bar->addWidget(contents);
    bar->addWidget(back);
    bar->addWidget(forward);
    bar->addSpacing(12);
    bar->addWidget(findLabel);
    bar->addWidget(m_find, 1);
    bar->addWidget(next);
    bar->addWidget(notFound);
    bar->addSpacing(12);
    bar->addWidget(print);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_browser, 1);
    resize(880, 640);
}

QTextBrowser* ManualWindow::browser() const
{
    return m_browser;
}

void ManualWindow::showAt(const QUrl& url)
{
    if (url.isValid()) m_browser->setSource(url);
    show();
    raise();
    activateWindow();
}

void ManualWindow::followLink(const QUrl& url)
{
    if (url.scheme() == QLatin1String("ejemplo")) {
        emit exampleChosen(url.path());
        return;
    }
    m_browser->setSource(m_browser->source().resolved(url));
}

bool ManualWindow::findText(const QString& text)
{
    if (text.isEmpty()) return false;
    if (m_browser->find(text)) return true;
    // On to the next pages, round to this one from its top.
    const QString current = m_browser->source().path().section(QLatin1Char('/'), -1);
    const qsizetype at = std::max<qsizetype>(0, manualPages().indexOf(current));
    for (qsizetype k = 1; k <= manualPages().size(); ++k) {
        const QString page = manualPages().at((at + k) % manualPages().size());
        QTextDocument document;
        document.setHtml(manualPageHtml(page, m_separators));
        if (document.find(text).isNull()) continue;
        m_browser->setSource(manualUrl(page));
        m_browser->moveCursor(QTextCursor::Start);
        return m_browser->find(text);
    }
    return false;
}

void ManualWindow::print()
{
    // Every page in order, each drawing as the screen shows it.
    QTextDocument whole;
    whole.setDefaultFont(m_browser->font());
    QString body;
    for (const QString& page : manualPages()) {
        QString text = manualPageHtml(page, m_separators);
        static const QRegularExpression outside(QStringLiteral("(?s)^.*<body>|</body>.*$"));
        body += text.remove(outside) + QStringLiteral("<hr>");
    }
    static const QRegularExpression drawing(QStringLiteral("dibujo:([A-Za-z0-9@-]+)"));
    for (auto it = drawing.globalMatch(body); it.hasNext();) {
        const QString name = it.next().captured(1);
        whole.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("dibujo:") + name),
                          manualDrawing(name, 480, 2, m_browser->font()));
    }
    whole.setHtml(body);
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("ManualVistaPrevia"));
    preview.setWindowTitle(QStringLiteral("Imprimir — Manual"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [&whole](QPrinter* p) { whole.print(p); });
    preview.exec();
}

} // namespace retencion
