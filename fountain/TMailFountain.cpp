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

void TMailFountain::GetPropList(TPropList& list) const {
    TFountain::GetPropList(list);
    static const TPropInfo colors[] = {
        ObjectProperty<&TMailFountain::Mail>("Mail", "TFountainColor"),
        ObjectProperty<&TMailFountain::Url>("Url", "TFountainColor"),
        ObjectProperty<&TMailFountain::Kana>("Kana", "TFountainColor"),
        ObjectProperty<&TMailFountain::PlatformDependent>("PlatformDependent", "TFountainColor"),
        ObjectProperty<&TMailFountain::Quotation1>("Quotation1", "TFountainColor"),
        ObjectProperty<&TMailFountain::Quotation2>("Quotation2", "TFountainColor"),
        ObjectProperty<&TMailFountain::Quotation3>("Quotation3", "TFountainColor"),
        ObjectProperty<&TMailFountain::Quotation4>("Quotation4", "TFountainColor"),
        ObjectProperty<&TMailFountain::Comment>("Comment", "TFountainColor"),
    };
    for (const TPropInfo& color : colors)
        list.push_back(&color);
}

} // namespace kes
