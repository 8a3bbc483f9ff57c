#pragma once

#include "support/TNotifyPersistent.h"
#include "toolkit/core/TColor.h"

namespace kes {

// One of the editor's visible marks (end of text, line break, wrap, hidden text, caret-row
// underline): whether it is drawn and in which colour.
class TEditorMark : public TNotifyPersistent {
public:
    void Assign(TPersistent* source) override;

    TColor Color() const { return color_; }
    void SetColor(TColor value) { SetProperty(color_, value); }
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { SetProperty(visible_, value); }

private:
    TColor color_ = clGray;
    bool visible_ = false;
};

} // namespace kes
