#pragma once

#include "toolkit/core/TColor.h"

#include <QComboBox>

#include <functional>

namespace kes {

// A drop-down list of colours with a swatch and a readable name each: the standard colours,
// the extended ones and the desktop's system colours, after a custom entry at the top. Picking
// the custom entry asks for a colour through ChooseColor; a colour that is not in the list is
// shown as the custom entry.
class TColorBox : public QComboBox {
    Q_OBJECT

public:
    explicit TColorBox(QWidget* parent = nullptr);

    TColor Color() const;
    void SetColor(TColor color);

    // Asks for a colour, starting from the one given; false for Cancel. The colour dialog by
    // default; tests answer themselves.
    std::function<bool(QWidget* parent, TColor& color)> ChooseColor;

private:
    void SetCustom(TColor color);
    void Activated(int index);

    int shownIndex_ = 0;
};

} // namespace kes
