#include "fountain/TEditorColors.h"

#include "fountain/TFountain.h"

namespace kes {

TEditorColors::TEditorColors(TFountain* fountain)
    : fountain_(fountain), ank_(MakeColor()), comment_(MakeColor()), dbcs_(MakeColor()),
      hit_(MakeColor()), int_(MakeColor()), mail_(MakeColor()), select_(MakeColor()),
      str_(MakeColor()), symbol_(MakeColor()), url_(MakeColor()) {
    select_->BeginUpdate();
    select_->SetBkColor(clNavy);
    select_->SetColor(clWhite);
    select_->EndUpdate();
}

TEditorColors::~TEditorColors() = default;

std::unique_ptr<TEditorColor> TEditorColors::MakeColor() {
    auto color = std::make_unique<TEditorColor>();
    color->OnChange = MethodOf<&TNotifyPersistent::ChangedProc>(this);
    return color;
}

TFountainColor* TEditorColors::Reserve() const {
    return fountain_ ? fountain_->Reserve() : nullptr;
}

void TEditorColors::SetReserve(TFountainColor* color) {
    if (fountain_)
        fountain_->SetReserve(color);
}

// Reserve reports to the fountain's listeners directly, so their update bracket is held
// open too: the whole copy reaches the editors as one notification.
void TEditorColors::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TEditorColors*>(source);
    if (!other) {
        TNotifyPersistent::Assign(source);
        return;
    }
    TNotifyEventList* listeners = fountain_ ? fountain_->NotifyEventList() : nullptr;
    if (listeners)
        listeners->BeginUpdate();
    BeginUpdate();
    SetAnk(other->ank_.get());
    SetComment(other->comment_.get());
    SetDBCS(other->dbcs_.get());
    SetHit(other->hit_.get());
    SetInt(other->int_.get());
    SetMail(other->mail_.get());
    SetStr(other->str_.get());
    SetSymbol(other->symbol_.get());
    if (other->Reserve())
        SetReserve(other->Reserve());
    SetUrl(other->url_.get());
    SetSelect(other->select_.get());
    EndUpdate();
    if (listeners)
        listeners->EndUpdate();
}

// Reserve belongs to the fountain; without one it reads as no colour and is skipped by the
// colour walks.
void TEditorColors::GetPropList(TPropList& list) const {
    TNotifyPersistent::GetPropList(list);
    static const TPropInfo colors[] = {
        ObjectProperty<&TEditorColors::Ank>("Ank", "TFountainColor"),
        ObjectProperty<&TEditorColors::Comment>("Comment", "TFountainColor"),
        ObjectProperty<&TEditorColors::DBCS>("DBCS", "TFountainColor"),
        ObjectProperty<&TEditorColors::Hit>("Hit", "TFountainColor"),
        ObjectProperty<&TEditorColors::Int>("Int", "TFountainColor"),
        ObjectProperty<&TEditorColors::Mail>("Mail", "TFountainColor"),
        ObjectProperty<&TEditorColors::Reserve>("Reserve", "TFountainColor"),
        ObjectProperty<&TEditorColors::Select>("Select", "TFountainColor"),
        ObjectProperty<&TEditorColors::Str>("Str", "TFountainColor"),
        ObjectProperty<&TEditorColors::Symbol>("Symbol", "TFountainColor"),
        ObjectProperty<&TEditorColors::Url>("Url", "TFountainColor"),
    };
    for (const TPropInfo& color : colors)
        list.push_back(&color);
}

} // namespace kes
