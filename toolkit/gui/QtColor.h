#pragma once

#include "toolkit/core/TColor.h"

#include <QColor>

namespace kes {

// TColor is 0x00BBGGRR (red in the low byte); Qt's QRgb is 0xAARRGGBB. These are the only
// places where the two meet.

// The plain RGB value of a colour: a system colour becomes the application palette's colour
// for that role; any other colour keeps its low 24 bits (so clNone and clDefault, which
// callers resolve before painting, come out white and black).
TColor ColorToRGB(TColor color);
QColor ToQColor(TColor color);
TColor FromQColor(const QColor& color);

} // namespace kes
