#pragma once
// Figures as files: a picture (PNG) or a drawing (SVG) of figures one below
// the other, laid out at one size whatever the screen, dark on white.

#include "figures/figure.h"

#include <QString>

#include <vector>

namespace retencion {

// The figures one below the other, as a picture or as a drawing, with a
// caption below them (none when empty). Each gives the reason the file
// could not be written, or an empty text; files/atomic_write.h writes them.
QString writePng(const std::vector<figures::Figure>& figures, const QString& caption, const QString& path);
QString writeSvg(const std::vector<figures::Figure>& figures, const QString& caption, const QString& path,
                 const QString& title);
bool exportPng(const std::vector<figures::Figure>& figures, const QString& path);
bool exportSvg(const std::vector<figures::Figure>& figures, const QString& path, const QString& title);

// "caso-a-abaco-2026-12-07.png" in the user's documents folder.
QString proposedPath(const QString& stem, const QString& suffix);

} // namespace retencion
