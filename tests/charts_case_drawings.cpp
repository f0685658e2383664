// The drawing of each case, at the size the index shows it and at the size
// of a page: every name inside the drawing, clear of every other name and of
// every line, and painted where the layout put it.
#include "charts/figure_painter.h"
#include "figures/case_drawings.h"

#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QtTest>

using namespace retencion;
using namespace retencion::figures;

namespace {

struct Variant {
    const char* name;
    Drawing drawing;
};

std::vector<Variant> everyDrawing()
{
    return {
        {"A orificio", caseDrawing('A', CaseAOutlet::Orifice)},
        {"A vertedero", caseDrawing('A', CaseAOutlet::Weir)},
        {"B rectangular", caseDrawing('B', CaseAOutlet::None, OutletConduit::Rectangular)},
        {"B circular", caseDrawing('B', CaseAOutlet::None, OutletConduit::Circular)},
        {"C", caseDrawing('C')},
        {"D", caseDrawing('D')},
        {"E", caseDrawing('E')},
    };
}

// Whether the segment a–b passes through `box`, walked in half-pixel steps.
bool crosses(QPointF a, QPointF b, const QRectF& box)
{
    const int steps = 1 + int(2 * QLineF(a, b).length());
    for (int t = 0; t <= steps; ++t)
        if (box.contains(a + (b - a) * (double(t) / steps))) return true;
    return false;
}

QStringList layoutFaults(const Variant& v, const QSizeF& size)
{
    QStringList faults;
    const QRectF area(QPointF(7, 3), size);
    const DrawingLayout L = layoutDrawing(area, v.drawing, QFont());
    const QString where = QStringLiteral("%1 %2×%3: ").arg(v.name).arg(size.width()).arg(size.height());
    for (std::size_t i = 0; i < L.notes.size(); ++i) {
        const PlacedText& n = L.notes[i];
        if (!area.contains(n.box)) faults << where + n.text + " outside the drawing";
        for (std::size_t j = i + 1; j < L.notes.size(); ++j)
            if (n.box.intersects(L.notes[j].box)) faults << where + n.text + " overlaps " + L.notes[j].text;
        if (!L.caption.text.isEmpty() && n.box.intersects(L.caption.box))
            faults << where + n.text + " overlaps the caption";
        for (const Shape& shape : v.drawing.shapes) {
            std::vector<Point> pts = shape.points;
            if (shape.closed && !pts.empty()) pts.push_back(pts.front());
            for (std::size_t k = 1; k < pts.size(); ++k)
                if (crosses(L.map(pts[k - 1]), L.map(pts[k]), n.box)) {
                    faults << where + n.text + " crossed by a line";
                    k = pts.size();
                }
        }
    }
    for (const Shape& shape : v.drawing.shapes)
        for (const Point& p : shape.points)
            if (!L.frame.adjusted(-0.5, -0.5, 0.5, 0.5).contains(L.map(p)))
                faults << where + "a line leaves the drawing";
    if (!L.caption.text.isEmpty() && !area.contains(L.caption.box)) faults << where + "caption outside";
    return faults;
}

} // namespace

class CaseDrawingsTest : public QObject {
    Q_OBJECT

private slots:
    // Wider than the index shows them at its smaller font, and the width
    // of a page or of the manual.
    void namesKeepClearAtTwoSizes()
    {
        QStringList faults;
        for (const Variant& v : everyDrawing())
            for (const double width : {200.0, 640.0})
                faults += layoutFaults(v, QSizeF(width, drawingHeight(v.drawing, width, QFont())));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
    }

    // Each name is painted inside its box: ink there, and the box's own
    // ground around it, on a white page and on a dark one.
    void namesArePaintedWhereLaidOut()
    {
        for (const QColor paper : {QColor(Qt::white), QColor(0x20, 0x20, 0x20)}) {
            QPalette palette;
            palette.setColor(QPalette::Base, paper);
            palette.setColor(QPalette::Text, paper.lightness() > 128 ? Qt::black : Qt::white);
            const Drawing d = caseDrawing('C');
            QImage image(640, 420, QImage::Format_ARGB32);
            image.fill(paper);
            QPainter p(&image);
            paintDrawing(p, image.rect(), d, palette);
            p.end();
            const DrawingLayout L = layoutDrawing(image.rect(), d, QFont(), &image);
            for (const PlacedText& n : L.notes) {
                int ink = 0;
                const QRect box = n.box.toAlignedRect() & image.rect();
                for (int y = box.top(); y <= box.bottom(); ++y)
                    for (int x = box.left(); x <= box.right(); ++x)
                        ink += std::abs(qGray(image.pixel(x, y)) - paper.lightness()) > 100;
                QVERIFY2(ink > 4, qPrintable(n.text));
            }
        }
    }
};

QTEST_MAIN(CaseDrawingsTest)
#include "charts_case_drawings.moc"
