#pragma once

#include <QString>
#include <QStringList>

namespace kes {

// The installed font families the editor can draw in its grid of cells. Japanese fonts declare
// a "dual" spacing that Qt does not count as fixed pitch, so the advances are measured instead:
// every half-width glyph as wide as the others, every full-width one exactly twice that.
class TFixedPitchFonts {
public:
    static bool IsFixedPitch(const QString& family);
    // Every installed family that passes IsFixedPitch, in the font database's order; measured
    // once per run.
    static const QStringList& Families();
};

} // namespace kes
