#pragma once

class QPainter;

namespace kes {

// Draws the program's icon, a writing pad with a kestrel's feather as its pen, on a grid of 48
// by 48 units: the same shapes, colours and numbers as desktop/kestrelpad.svg, which the
// desktop shows for the installed program.
class TAppIconPainter {
public:
    static constexpr int GridSize = 48;
    static void Paint(QPainter& painter);
};

} // namespace kes
