#include "fountain/TEditorFountain.h"

#include "fountain/TEditorParser.h"
#include "toolkit/core/Cp932.h"

namespace kes {

TEditorFountain::TEditorFountain(TComponent* owner) : TFountain(owner) {
    RecreateBrackets();
    colors_ = CreateEditorColors();
}

TEditorFountain::~TEditorFountain() = default;

std::unique_ptr<TFountainBracketCollection> TEditorFountain::CreateBrackets() {
    auto brackets = std::make_unique<TEditorBracketCollection>(this);
    brackets->OnChange = MethodOf<&TNotifyPersistent::ChangedProc>(NotifyEventList());
    return brackets;
}

TFountainParserClass TEditorFountain::GetParserClass() {
    return [](TFountain* fountain) -> std::unique_ptr<TFountainParser> {
        return std::make_unique<TEditorParser>(fountain);
    };
}

std::unique_ptr<TEditorColors> TEditorFountain::CreateEditorColors() {
    auto colors = std::make_unique<TEditorColors>(this);
    colors->OnChange = MethodOf<&TNotifyPersistent::ChangedProc>(NotifyEventList());
    return colors;
}

template <class Set> void TEditorFountain::ForEachTextColor(Set set) {
    NotifyEventList()->BeginUpdate();
    ForEachColorProperty(colors_.get(), [&](const char* name, TFountainColor* color) {
        if (Cp932CompareText(name, "Select") != 0 && Cp932CompareText(name, "Hit") != 0)
            set(color);
    });
    NotifyEventList()->EndUpdate();
}

void TEditorFountain::SameBkColor(TColor color) {
    ForEachTextColor([color](TFountainColor* c) { c->SetBkColor(color); });
}

void TEditorFountain::SameColor(TColor color) {
    ForEachTextColor([color](TFountainColor* c) { c->SetColor(color); });
}

void TEditorFountain::SameStyle(TFontStyles style) {
    ForEachTextColor([style](TFountainColor* c) { c->SetStyle(style); });
}

} // namespace kes
