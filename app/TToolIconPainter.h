#pragma once

#include <QString>
#include <QStringList>

class QPainter;

namespace kes {

// Draws the command pictures on a grid of 16 by 16 units, one unit being a pixel of the small
// picture: one-unit lines lie on the middle of a pixel so that they stay sharp at 16 and at 32.
class TToolIconPainter {
public:
    using Drawing = void (*)(QPainter&);

    // The drawing of the command with this action name, or nullptr.
    static Drawing Find(const QString& actionName);
    static QStringList ActionNames();
};

} // namespace kes
