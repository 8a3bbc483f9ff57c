#pragma once

#include "toolkit/core/TCollection.h"
#include "toolkit/core/TColor.h"

namespace kes {

class TEditorEx;

// A vertical guide line at a display column.
class TVerticalLine : public TCollectionItem {
public:
    void Assign(TPersistent* source) override;

    int Position() const { return position_; }
    // A negative column is ignored.
    void SetPosition(int value);
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);

private:
    int position_ = 0;
    TColor color_ = clBlack;
    bool visible_ = true;
};

// The guide lines of an editor; any change of a line repaints the whole editor.
class TVerticalLines : public TCollection {
public:
    explicit TVerticalLines(TEditorEx* editor);

    TVerticalLine* Add() { return static_cast<TVerticalLine*>(TCollection::Add()); }
    TVerticalLine* Items(int index) const {
        return static_cast<TVerticalLine*>(TCollection::Items(index));
    }
    // The editor the lines belong to.
    TEditorEx* Owner() const { return editor_; }

protected:
    void Update(TCollectionItem* item) override;

private:
    TEditorEx* editor_;
};

} // namespace kes
