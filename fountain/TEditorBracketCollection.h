#pragma once

#include "fountain/TFountainBracketCollection.h"
#include "toolkit/core/TColor.h"
#include "toolkit/core/TFontStyles.h"

namespace kes {

// The bracket pairs of the default scheme, with operations that give every pair one value.
class TEditorBracketCollection : public TFountainBracketCollection {
public:
    using TFountainBracketCollection::TFountainBracketCollection;

    virtual void SameBkColor(TColor color);
    virtual void SameColor(TColor color);
    virtual void SameStyle(TFontStyles style);
};

} // namespace kes
