#pragma once

#include "toolkit/core/TColor.h"
#include "toolkit/core/TFontStyles.h"
#include "toolkit/core/TMethod.h"
#include "toolkit/core/TPersistent.h"

#include <QFont>

#include <string>

namespace kes {

// The measures of a font that a fixed grid of character cells needs, in pixels.
struct TFontMetrics {
    int AverageCharWidth = 0; // the width of one half-width cell
    int Height = 0;           // ascent + descent
    int ExternalLeading = 0;  // the room the font suggests between rows
    int Ascent = 0;
};

// A font as the program's settings name it: a face name, a height in pixels, a colour and
// styles. Face names of the other desktop are resolved to installed fonts: "ＭＳ ゴシック" to
// IPAGothic, "ＭＳ Ｐゴシック" to its proportional sibling IPAPGothic, "FixedSys" to the
// desktop's fixed-pitch font. A change of any value fires OnChange once.
class TFont : public TPersistent {
public:
    TFont();

    TNotifyEvent OnChange;

    void Assign(TPersistent* source) override;

    const std::string& Name() const { return name_; } // UTF-8
    void SetName(const std::string& value);
    // Height of the characters in pixels (the other desktop's negative Height).
    int Height() const { return height_; }
    void SetHeight(int value);
    // Size in points at a resolution (96 pixels per inch unless the caller knows the screen's):
    // Height = Size * pixelsPerInch / 72, rounded.
    int Size(double pixelsPerInch = 96) const;
    void SetSize(int points, double pixelsPerInch = 96);
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles value);

    // The Qt font for drawing, with the styles applied but for fsUnderline (the editor draws
    // underlines itself as dotted lines).
    QFont ToQFont() const;
    QFont ToQFont(TFontStyles style) const;
    TFontMetrics Metrics() const;

private:
    void Changed();

    std::string name_ = "FixedSys";
    int height_ = 16;
    TColor color_ = clBlack;
    TFontStyles style_;
};

// Installs the face-name substitutions once; TFont does it on first use.
void InstallFontSubstitutions();

} // namespace kes
