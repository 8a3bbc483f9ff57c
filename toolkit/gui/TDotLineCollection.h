#pragma once

#include "toolkit/core/TCollection.h"
#include "toolkit/gui/TDotLineItem.h"

namespace kes {

// The dotted-line bitmaps made so far, one item per (dot colour, background colour) pair.
// Items stay for the whole run; the program keeps one cache (DotLineCache).
class TDotLineCollection : public TCollection {
public:
    TDotLineCollection();

    TDotLineItem* Items(int index) const;

    // The item of the first pair that matches both colours; a new, rendered item when none
    // does. The bitmap is at least minWidth pixels wide: an item too narrow for a line is
    // rendered again at the width the line needs.
    TDotLineItem* DotLine(TColor color, TColor bkColor, int minWidth = 0);
};

// The program's dotted-line cache, made on first use and freed at exit.
TDotLineCollection& DotLineCache();

// Draws row y from x1 to x2 (both included) as a dotted line from the cache: the dot colour on
// x1, x1 + 2, x1 + 4, ..., the background colour between. Nothing when x2 < x1.
void DrawDottedLine(TCanvas* canvas, int x1, int y, TColor bkColor, TColor color, int x2);

} // namespace kes
