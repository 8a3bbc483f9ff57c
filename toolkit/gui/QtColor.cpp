#include "toolkit/gui/QtColor.h"

#include <QGuiApplication>
#include <QPalette>

#include <cstdint>
#include <iterator>

namespace kes {

namespace {

struct SystemRole {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The palette role standing in for each system colour index (0-30).
SystemRole RoleOf(int index) {
    using P = QPalette;
    static const SystemRole roles[] = {
        {P::Active, P::Button},          // clScrollBar
        {P::Active, P::Window},          // clBackground
        {P::Active, P::Highlight},       // clActiveCaption
        {P::Inactive, P::Mid},           // clInactiveCaption
        {P::Active, P::Window},          // clMenu
        {P::Active, P::Base},            // clWindow
        {P::Active, P::Shadow},          // clWindowFrame
        {P::Active, P::WindowText},      // clMenuText
        {P::Active, P::Text},            // clWindowText
        {P::Active, P::HighlightedText}, // clCaptionText
        {P::Active, P::Window},          // clActiveBorder
        {P::Inactive, P::Window},        // clInactiveBorder
        {P::Active, P::Dark},            // clAppWorkSpace
        {P::Active, P::Highlight},       // clHighlight
        {P::Active, P::HighlightedText}, // clHighlightText
        {P::Active, P::Button},          // clBtnFace
        {P::Active, P::Mid},             // clBtnShadow
        {P::Disabled, P::Text},          // clGrayText
        {P::Active, P::ButtonText},      // clBtnText
        {P::Inactive, P::WindowText},    // clInactiveCaptionText
        {P::Active, P::Light},           // clBtnHighlight
        {P::Active, P::Shadow},          // cl3DDkShadow
        {P::Active, P::Midlight},        // cl3DLight
        {P::Active, P::ToolTipText},     // clInfoText
        {P::Active, P::ToolTipBase},     // clInfoBk
        {P::Active, P::Text},            // index 25 has no colour of its own
        {P::Active, P::Link},            // clHotLight
        {P::Active, P::Highlight},       // clGradientActiveCaption
        {P::Inactive, P::Mid},           // clGradientInactiveCaption
        {P::Active, P::Highlight},       // clMenuHighlight
        {P::Active, P::Window},          // clMenuBar
    };
    if (index < 0 || index >= static_cast<int>(std::size(roles)))
        return {P::Active, P::Text};
    return roles[index];
}

} // namespace

TColor ColorToRGB(TColor color) {
    if (!IsSystemColor(color))
        return color & 0x00FFFFFF;
    SystemRole role = RoleOf(static_cast<int>(static_cast<std::uint32_t>(color) & 0x7FFFFFFF));
    QPalette palette = qGuiApp ? QGuiApplication::palette() : QPalette();
    return FromQColor(palette.color(role.group, role.role));
}

QColor ToQColor(TColor color) {
    TColor rgb = ColorToRGB(color);
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

TColor FromQColor(const QColor& color) {
    return color.red() | color.green() << 8 | color.blue() << 16;
}

} // namespace kes
