// The SVG drawings the charts are exported as: well-formed XML whatever the
// text holds, with the shapes as vectors, the text as text (the caption
// included), clipping and hatching kept, and the same bytes for the same
// picture.

#include "charts/figure_export.h"
#include "charts/svg_writer.h"
#include "figures/case_figures.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

using namespace retencion;

namespace {

// What a drawing holds, read back with an XML reader.
struct Drawing {
    QString error; // empty when the XML is well formed
    QString title;
    QSize size;
    QMap<QString, int> elements; // how many of each
    QStringList texts;
    QStringList transforms;      // of the text elements
    QStringList references;      // url(#...) used
    QStringList ids;             // defined
};

Drawing parse(const QByteArray& svg)
{
    Drawing d;
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const QString name = xml.name().toString();
        const QXmlStreamAttributes a = xml.attributes();
        ++d.elements[name];
        if (name == QLatin1String("svg"))
            d.size = QSize(a.value("width").toInt(), a.value("height").toInt());
        if (a.hasAttribute("id")) d.ids << a.value("id").toString();
        for (const char* property : {"fill", "stroke", "clip-path"})
            if (a.value(property).startsWith(QLatin1String("url(#")))
                d.references << a.value(property).mid(5).chopped(1).toString();
        if (name == QLatin1String("title")) d.title = xml.readElementText();
        if (name == QLatin1String("text")) {
            d.transforms << a.value("transform").toString();
            d.texts << xml.readElementText();
        }
    }
    if (xml.hasError()) d.error = xml.errorString() + QStringLiteral(" en la línea %1").arg(xml.lineNumber());
    return d;
}

QByteArray paintOnce(const std::function<void(QPainter&)>& paint, QSize size = {300, 200},
                     const QString& title = QStringLiteral("Ábaco"))
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    SvgWriter svg(&buffer, size, title);
    QPainter p(&svg);
    paint(p);
    p.end();
    return bytes;
}

// Every kind of stroke and fill the figure painter uses.
void paintEverything(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRectF(0, 0, 300, 200), Qt::white);
    p.fillRect(QRectF(10, 10, 50, 40), QColor(0, 0, 255, 36));
    p.fillRect(QRectF(70, 10, 50, 40), QBrush(QColor(0, 0, 0, 60), Qt::BDiagPattern));
    p.setPen(QPen(Qt::red, 1, Qt::DashLine));
    p.drawLine(QPointF(0, 100), QPointF(300, 100));
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(Qt::yellow);
    p.drawEllipse(QPointF(150, 60), 5, 5);
    p.drawRoundedRect(QRectF(200, 10, 80, 30), 4, 4);
    p.save();
    p.setClipRect(QRectF(20, 120, 100, 50));
    QPainterPath curve(QPointF(0, 200));
    curve.cubicTo(QPointF(50, 100), QPointF(100, 150), QPointF(300, 110));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
    p.restore();
    p.drawText(QRectF(10, 170, 280, 20), Qt::AlignLeft, QStringLiteral("Caudal <Qp> & «depósito» ñ"));
    p.save();
    p.translate(290, 190);
    p.rotate(-90);
    p.drawText(QRectF(0, 0, 150, 20), Qt::AlignCenter, QStringLiteral("h (m)"));
    p.restore();
}

} // namespace

class SvgWriterTest : public QObject {
    Q_OBJECT

private slots:
    // Each shape is written as the vector it is, and the text as text,
    // escaped, in the order painted.
    void shapesAndTextAreWrittenAsSuch()
    {
        const QByteArray svg = paintOnce(paintEverything);
        const Drawing d = parse(svg);
        QVERIFY2(d.error.isEmpty(), qPrintable(d.error));
        QCOMPARE(d.size, QSize(300, 200));
        QCOMPARE(d.title, QStringLiteral("Ábaco"));
        QVERIFY(svg.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\""));
        const struct {
            const char* element;
            int atLeast;
        } rows[] = {{"rect", 3}, {"line", 1}, {"ellipse", 1}, {"path", 2}, {"text", 2}, {"clipPath", 1},
                    {"pattern", 1}};
        for (const auto& row : rows)
            QVERIFY2(d.elements.value(row.element) >= row.atLeast, row.element);
        QCOMPARE(d.texts.join(QString()).remove(' '),
                 QStringLiteral("Caudal <Qp> & «depósito» ñh (m)").remove(' '));
        // The axis title stands upright: turned a quarter, counter-clockwise.
        QVERIFY2(d.transforms.last().startsWith(QLatin1String("matrix(0 -1 1 0")), qPrintable(d.transforms.last()));
        QVERIFY(svg.contains("stroke-dasharray="));
        QVERIFY(svg.contains("fill-opacity=\"0.14\""));
        // Every clip and hatch referred to is defined.
        for (const QString& id : d.references) QVERIFY2(d.ids.contains(id), qPrintable(id));
    }

    // The same painting gives the same bytes: exports can be compared.
    void samePaintingSameBytes() { QCOMPARE(paintOnce(paintEverything), paintOnce(paintEverything)); }

    // Characters XML does not take at all are dropped rather than breaking
    // the file; an empty painting is still a drawing.
    void oddTextStaysWellFormed()
    {
        const Drawing d = parse(paintOnce(
            [](QPainter& p) { p.drawText(QPointF(10, 20), QStringLiteral("a\x01" "b\"c'd]]>e")); }, {50, 30},
            QStringLiteral("<título> & \"más\"")));
        QVERIFY2(d.error.isEmpty(), qPrintable(d.error));
        QCOMPARE(d.title, QStringLiteral("<título> & \"más\""));
        QVERIFY(d.texts.join(QString()).contains(QStringLiteral("b\"c'd]]>e")));
        QVERIFY(parse(paintOnce([](QPainter&) {})).error.isEmpty());
    }

    // A chart exported with its caption: a drawing an XML reader accepts,
    // its curves as paths and its caption's words as text.
    void chartExportHoldsCurvesAndCaption()
    {
        QTemporaryDir dir;
        const Separators comma{",", "."};
        const auto figures = figures::caseDFigures(CalculationType::Volume, nullptr, comma);
        const QString caption = QStringLiteral("Caso D: Qp = 3 m³/s con «aviso» & más");
        const QString path = dir.filePath(QStringLiteral("depósito ñ.svg"));
        QCOMPARE(writeSvg(figures, caption, path, QStringLiteral("Caso D")), QString());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const Drawing d = parse(file.readAll());
        QVERIFY2(d.error.isEmpty(), qPrintable(d.error));
        QCOMPARE(d.title, QStringLiteral("Caso D"));
        QVERIFY(d.elements.value("path") + d.elements.value("polyline") >= 3);
        // A line may come in several runs of text where a glyph is taken
        // from another font ("m", "³", "/s"): runs are joined as drawn.
        const QString text = d.texts.join(QString());
        for (const QString& word : caption.split(' ')) QVERIFY2(text.contains(word), qPrintable(word));
        QVERIFY(text.contains(QString::fromStdString(figures.front().title).section(' ', 0, 0)));
    }
};

QTEST_MAIN(SvgWriterTest)
#include "charts_svg_writer.moc"
