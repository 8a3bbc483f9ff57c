#pragma once

#include "textmodel/TScreenStringsView.h"

namespace kes {

class TEditorScreenStrings;

// An editor as its Lines facade (TEditorStrings) sees it: the screen-row view plus what a
// whole-text write needs around it.
class TLinesView : public TScreenStringsView {
public:
    // The rows the editor shows (it may attach to another editor's rows, so this can change).
    virtual TEditorScreenStrings& ScreenStrings() const = 0;
    // Underlines are recomputed once at the end of a batch of writes.
    virtual void BeginUnderlineUpdate() = 0;
    virtual void EndUnderlineUpdate() = 0;
    virtual void SetLinesUpdating(bool updating) = 0;
    virtual void CaretChanged() = 0;
    // Whether the editor is visible and has its window, and switching its redrawing.
    virtual bool VisibleWithWindow() const = 0;
    virtual void SetRedraw(bool redraw) = 0;
};

} // namespace kes
