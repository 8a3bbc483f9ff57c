#pragma once

#include "fountain/TFountainColor.h"

namespace kes {

// A colour of the default scheme.
class TEditorColor : public TFountainColor {};

} // namespace kes
