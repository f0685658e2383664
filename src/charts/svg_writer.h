#pragma once
// A paint device that writes what is painted on it as an SVG drawing: the
// figures' paths, lines, rectangles, ellipses, fills and text, as vectors and
// as text. It is the one way charts become SVG, so the drawing is the same
// on every system the program runs on.

#include <QPaintDevice>
#include <QSize>
#include <QString>

#include <memory>

class QIODevice;

namespace retencion {

class SvgPaintEngine;

class SvgWriter : public QPaintDevice {
public:
    // The drawing is `size` pixels; `output` receives it when painting ends.
    SvgWriter(QIODevice* output, QSize size, const QString& title);
    ~SvgWriter() override;
    SvgWriter(const SvgWriter&) = delete;
    SvgWriter& operator=(const SvgWriter&) = delete;

    QPaintEngine* paintEngine() const override;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    std::unique_ptr<SvgPaintEngine> m_engine;
    QSize m_size;
};

} // namespace retencion
