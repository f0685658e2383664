#include "shell/banner.h"

#include "shell/program_title.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace retencion {
namespace {

// A band of water: a sine-like surface of so many waves over a darker body.
void paintWater(QPainter& p, const QRectF& area, qreal level, const QColor& top, const QColor& bottom, int waves = 6)
{
    QPainterPath water;
    const qreal y0 = area.top() + area.height() * level;
    water.moveTo(area.left(), area.bottom());
    water.lineTo(area.left(), y0);
    const qreal wave = area.width() / waves;
    for (int i = 0; i < waves; ++i) {
        const qreal x = area.left() + i * wave;
        water.cubicTo(x + wave / 3, y0 - area.height() * 0.06, x + 2 * wave / 3, y0 + area.height() * 0.06, x + wave,
                      y0);
    }
    water.lineTo(area.right(), area.bottom());
    water.closeSubpath();
    QLinearGradient g(area.topLeft(), area.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillPath(water, g);
}

} // namespace

Banner::Banner(QWidget* parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("Picture1"));
    auto* title = new QLabel(programTitle(), this);
    title->setObjectName(QStringLiteral("Label3"));
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(14.25);
    font.setBold(true);
    title->setFont(font);
    title->setWordWrap(true);
    title->setAlignment(Qt::AlignCenter);
    // The banner is its own picture: the title stays readable on it whatever
    // the palette.
    title->setStyleSheet(QStringLiteral("color: #0b2a4a;"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(12, 8, 12, 8);
    row->addStretch(2);
    row->addWidget(title, 5);
    setMinimumHeight(73);
}

void Banner::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = rect();
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, QColor(0xe9, 0xf3, 0xfb));
    sky.setColorAt(1, QColor(0xc6, 0xdf, 0xf2));
    p.fillRect(r, sky);
    // A tank on the left, partly filled, with the inflow arriving from above.
    const QRectF tank(r.left() + r.height() * 0.5, r.top() + r.height() * 0.2, r.height() * 1.8, r.height() * 0.65);
    paintWater(p, tank, 0.35, QColor(0x4f, 0x9d, 0xd6), QColor(0x1d, 0x5f, 0x9a));
    p.setPen(QPen(QColor(0x33, 0x44, 0x55), 2));
    p.drawPolyline(QPolygonF({tank.topLeft(), tank.bottomLeft(), tank.bottomRight(), tank.topRight()}));
    p.setPen(QPen(QColor(0x1d, 0x5f, 0x9a), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(tank.left() - r.height() * 0.3, r.top() + r.height() * 0.12),
               QPointF(tank.left() + tank.width() * 0.3, r.top() + r.height() * 0.12));
    // A shallow river along the bottom of the banner, one wave at a time:
    // Qt's antialiasing rasteriser works in a fixed pool of memory, and a
    // thin band as wide as the window overflows it and is rasterised over and
    // over, which cost the first frame milliseconds. The pieces meet on whole
    // pixels of the screen, where their edges leave no seam.
    const qreal riverTop = r.bottom() - r.height() * 0.18;
    constexpr int kWaves = 6;
    const qreal ratio = devicePixelRatioF(); // whole pixels of the screen, at 125 % too
    const auto edge = [&](int i) { return std::round((r.left() + r.width() * i / kWaves) * ratio) / ratio; };
    for (int i = 0; i < kWaves; ++i) {
        const qreal left = edge(i);
        const qreal right = edge(i + 1);
        paintWater(p, QRectF(QPointF(left, riverTop), QPointF(right, r.bottom())), 0.3, QColor(0x7f, 0xb8, 0xe0, 160),
                   QColor(0x2a, 0x6f, 0xa8, 200), 1);
    }
}

QPixmap tankPicture(QSize size, qreal devicePixelRatio)
{
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(QPointF(0, 0), QSizeF(size));
    // Inflow hydrograph on the left, attenuated outflow on the right.
    const QRectF plot(r.left() + 4, r.top() + 4, r.width() * 0.55, r.height() - 8);
    p.setPen(QPen(QColor(0x88, 0x88, 0x88), 1));
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    p.setPen(QPen(QColor(0x1d, 0x5f, 0x9a), 2));
    p.drawPolyline(
        QPolygonF({plot.bottomLeft(), QPointF(plot.left() + plot.width() * 0.3, plot.top()), plot.bottomRight()}));
    QPainterPath outflow(plot.bottomLeft());
    outflow.cubicTo(QPointF(plot.left() + plot.width() * 0.4, plot.bottom()),
                    QPointF(plot.left() + plot.width() * 0.45, plot.top() + plot.height() * 0.55),
                    QPointF(plot.left() + plot.width() * 0.6, plot.top() + plot.height() * 0.55));
    outflow.cubicTo(QPointF(plot.left() + plot.width() * 0.8, plot.top() + plot.height() * 0.55),
                    QPointF(plot.left() + plot.width() * 0.9, plot.bottom()), plot.bottomRight());
    p.setPen(QPen(QColor(0xd0, 0x6a, 0x1f), 2, Qt::DashLine));
    p.drawPath(outflow);
    const QRectF tank(r.left() + r.width() * 0.65, r.top() + r.height() * 0.15, r.width() * 0.32, r.height() * 0.75);
    paintWater(p, tank, 0.45, QColor(0x4f, 0x9d, 0xd6), QColor(0x1d, 0x5f, 0x9a));
    p.setPen(QPen(QColor(0x33, 0x44, 0x55), 2));
    p.drawPolyline(QPolygonF({tank.topLeft(), tank.bottomLeft(), tank.bottomRight(), tank.topRight()}));
    return pixmap;
}

} // namespace retencion
