#pragma once

#include "toolkit/gui/TImageList.h"

namespace kes {

// The pictures every editor shares: the row-mark digits 0 to 9 (8 x 11 pixels) and the six
// picture marks (11 x 11 pixels) of the image bar, made on first use and kept for the run.
const TImageList& BuiltInDigitMarks();
const TImageList& BuiltInPictureMarks();

} // namespace kes
