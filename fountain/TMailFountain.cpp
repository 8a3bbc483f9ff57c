#include "fountain/TMailFountain.h"

#include "fountain/TMailFountainParser.h"

namespace kes {

TMailFountain::TMailFountain(TComponent* owner) : TFountain(owner) {
    InitFileExtList();
    ReinitBracketItems();
    CreateFountainColors();
}

TMailFountain::~TMailFountain() = default;

void TMailFountain::CreateFountainColors() {
    TFountain::CreateFountainColors();
    for (auto* color : {&mail_, &url_, &kana_, &platformDependent_, &quotation1_, &quotation2_,
                        &quotation3_, &quotation4_, &comment_})
        MakeColor(*color);
}

TFountainParserClass TMailFountain::GetParserClass() {
    return [](TFountain* fountain) -> std::unique_ptr<TFountainParser> {
        return std::make_unique<TMailFountainParser>(fountain);
    };
}

void TMailFountain::InitBracketItems() {
    TFountainBracketItem* item = Brackets()->Add();
    item->SetLeftBracket("=?");
    item->SetRightBracket("?=");
}

void TMailFountain::InitFileExtList() {
    FileExtList()->Add(".log");
}

void TMailFountain::ForEachColorProperty(const Visit& visit) {
    TFountain::ForEachColorProperty(visit);
    visit("Mail", mail_.get());
    visit("Url", url_.get());
    visit("Kana", kana_.get());
    visit("PlatformDependent", platformDependent_.get());
    visit("Quotation1", quotation1_.get());
    visit("Quotation2", quotation2_.get());
    visit("Quotation3", quotation3_.get());
    visit("Quotation4", quotation4_.get());
    visit("Comment", comment_.get());
}

} // namespace kes
