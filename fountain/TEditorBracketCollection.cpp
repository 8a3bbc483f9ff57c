#include "fountain/TEditorBracketCollection.h"

namespace kes {

void TEditorBracketCollection::SameBkColor(TColor color) {
    BeginUpdate();
    for (int i = 0; i < Count(); ++i)
        Items(i)->ItemColor()->SetBkColor(color);
    EndUpdate();
}

void TEditorBracketCollection::SameColor(TColor color) {
    BeginUpdate();
    for (int i = 0; i < Count(); ++i)
        Items(i)->ItemColor()->SetColor(color);
    EndUpdate();
}

void TEditorBracketCollection::SameStyle(TFontStyles style) {
    BeginUpdate();
    for (int i = 0; i < Count(); ++i)
        Items(i)->ItemColor()->SetStyle(style);
    EndUpdate();
}

} // namespace kes
