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

void TEditorColors::ForEachColorProperty(const Visit& visit) {
    visit("Ank", ank_.get());
    visit("Comment", comment_.get());
    visit("DBCS", dbcs_.get());
    visit("Hit", hit_.get());
    visit("Int", int_.get());
    visit("Mail", mail_.get());
    if (TFountainColor* reserve = Reserve())
        visit("Reserve", reserve);
    visit("Select", select_.get());
    visit("Str", str_.get());
    visit("Symbol", symbol_.get());
    visit("Url", url_.get());
}

} // namespace kes
