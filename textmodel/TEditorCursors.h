#pragma once

#include "support/TNotifyPersistent.h"
#include "toolkit/core/TCursor.h"

namespace kes {

// Cursors that the editor registers at start-up from its cursor resources.
constexpr TCursor crRightArrow = 1958;  // "RightArrow", an arrow pointing right
constexpr TCursor crDragSelCopy = 1959; // "DragSelCopy"

// The mouse cursors the editor shows over its parts. All plain fields: the editor reads them
// whenever the mouse moves, so writing one notifies nobody.
class TEditorCursors : public TNotifyPersistent {
public:
    void Assign(TPersistent* source) override;

    TCursor DefaultCursor() const { return defaultCursor_; }
    void SetDefaultCursor(TCursor value) { defaultCursor_ = value; }
    TCursor DragSelCursor() const { return dragSelCursor_; }
    void SetDragSelCursor(TCursor value) { dragSelCursor_ = value; }
    TCursor DragSelCopyCursor() const { return dragSelCopyCursor_; }
    void SetDragSelCopyCursor(TCursor value) { dragSelCopyCursor_ = value; }
    TCursor InSelCursor() const { return inSelCursor_; }
    void SetInSelCursor(TCursor value) { inSelCursor_ = value; }
    TCursor LeftMarginCursor() const { return leftMarginCursor_; }
    void SetLeftMarginCursor(TCursor value) { leftMarginCursor_ = value; }
    TCursor TopMarginCursor() const { return topMarginCursor_; }
    void SetTopMarginCursor(TCursor value) { topMarginCursor_ = value; }

private:
    TCursor defaultCursor_ = crIBeam;
    TCursor dragSelCursor_ = crDrag;
    TCursor dragSelCopyCursor_ = crDragSelCopy;
    TCursor inSelCursor_ = crDefault;
    TCursor leftMarginCursor_ = crRightArrow;
    TCursor topMarginCursor_ = crDefault;
};

} // namespace kes
