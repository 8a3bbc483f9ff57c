#include "fountain/TFountain.h"

#include "fountain/TFountainParser.h"

namespace kes {

TFountain::TFountain(TComponent* owner) : TFileExtComponent(owner) {
    notifyEventList_ = std::make_unique<TNotifyEventList>(this);
    brackets_ = CreateBrackets();
    InitBracketItems();
    reserveWordList_ = CreateFileExtList();
    InitReserveWordList();
    CreateFountainColors();
}

TFountain::~TFountain() = default;

void TFountain::SetReserveWordList(TStrings* words) {
    reserveWordList_->Assign(words);
    notifyEventList_->Changed();
}

std::unique_ptr<TFountainParser> TFountain::CreateParser() {
    return GetParserClass()(this);
}

bool TFountain::HasItalicStyle(TPersistent* instance) {
    bool italic = false;
    ForEachColorProperty(instance, [&](const char*, TFountainColor* color) {
        italic = italic || color->Style().Contains(fsItalic);
    });
    return italic;
}

void TFountain::GetPropList(TPropList& list) const {
    TFileExtComponent::GetPropList(list);
    static const TPropInfo reserve =
        ObjectProperty<&TFountain::Reserve>("Reserve", "TFountainColor");
    list.push_back(&reserve);
}

std::unique_ptr<TFountainColor> TFountain::CreateFountainColor() {
    auto color = std::make_unique<TFountainColor>();
    color->OnChange = MethodOf<&TNotifyPersistent::ChangedProc>(notifyEventList_.get());
    return color;
}

void TFountain::CreateFountainColors() {
    MakeColor(reserve_);
}

void TFountain::MakeColor(std::unique_ptr<TFountainColor>& color) {
    if (!color)
        color = CreateFountainColor();
}

std::unique_ptr<TFountainBracketCollection> TFountain::CreateBrackets() {
    auto brackets = std::make_unique<TFountainBracketCollection>(this);
    brackets->OnChange = MethodOf<&TNotifyPersistent::ChangedProc>(notifyEventList_.get());
    return brackets;
}

void TFountain::RecreateBrackets() {
    brackets_ = CreateBrackets();
    InitBracketItems();
}

void TFountain::ReinitBracketItems() {
    brackets_->BeginUpdate();
    brackets_->Clear();
    InitBracketItems();
    brackets_->EndUpdate();
}

void TFountain::ReinitReserveWordList() {
    reserveWordList_->Clear();
    InitReserveWordList();
}

} // namespace kes
