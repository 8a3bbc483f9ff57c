#include "editorex/TVerticalLines.h"

#include "editorex/TEditorEx.h"

namespace kes {

void TVerticalLine::Assign(TPersistent* source) {
    auto* line = dynamic_cast<TVerticalLine*>(source);
    if (!line) {
        TCollectionItem::Assign(source);
        return;
    }
    SetPosition(line->position_);
    SetColor(line->color_);
    SetVisible(line->visible_);
}

void TVerticalLine::SetPosition(int value) {
    if (value < 0 || value == position_)
        return;
    position_ = value;
    Changed(false);
}

void TVerticalLine::SetColor(TColor value) {
    if (value == color_)
        return;
    color_ = value;
    Changed(false);
}

void TVerticalLine::SetVisible(bool value) {
    if (value == visible_)
        return;
    visible_ = value;
    Changed(false);
}

TVerticalLines::TVerticalLines(TEditorEx* editor)
    : TCollection(NewItem<TVerticalLine>), editor_(editor) {}

void TVerticalLines::Update(TCollectionItem* /*item*/) {
    if (editor_)
        editor_->Invalidate();
}

} // namespace kes
