#pragma once

#include <QLabel>

namespace retencion {

// The title banner across the top of the main window: a picture of water
// filling a tank, drawn at whatever size the window gives it, with the
// program title (`Label3`) on it.
class Banner : public QLabel {
    Q_OBJECT
public:
    explicit Banner(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A small picture of a retention tank, for the About window.
QPixmap tankPicture(QSize size, qreal devicePixelRatio);

} // namespace retencion
