#pragma once
// The pictures of the printed pages (logo, formula of the arbitrary load), drawn by the
// program itself at print resolution.

#include "canvas/qt/QtCanvas.h"

#include <QImage>

#include <string>

namespace vsk {

// The named picture; a null image for a name that is not one of the report's.
QImage Berichtsbild(const std::string& name);

// A picture source for QtCanvas::SetzeBildQuelle.
BildQuelle BerichtsBildQuelle();

} // namespace vsk
