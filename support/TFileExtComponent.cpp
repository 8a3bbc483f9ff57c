#include "support/TFileExtComponent.h"

namespace kes {

TFileExtComponent::TFileExtComponent(TComponent* owner) : TStoreComponent(owner) {}

TFileExtComponent::~TFileExtComponent() = default;

TStrings* TFileExtComponent::FileExtList() {
    if (!fileExtList_) {
        fileExtList_ = CreateFileExtList();
        InitFileExtList();
    }
    return fileExtList_.get();
}

void TFileExtComponent::SetFileExtList(TStrings* value) {
    FileExtList()->Assign(value);
}

bool TFileExtComponent::HasFileExt(std::string_view ext) {
    FileExtList();
    int index = 0;
    return fileExtList_->Find(ext, index);
}

std::unique_ptr<TStringList> TFileExtComponent::CreateFileExtList() {
    auto list = std::make_unique<TStringList>();
    list->SetSorted(true);
    list->SetDuplicates(dupIgnore);
    return list;
}

void TFileExtComponent::GetPropList(TPropList& list) const {
    TStoreComponent::GetPropList(list);
    static const TPropInfo fileExtList =
        ObjectProperty<&TFileExtComponent::FileExtList>("FileExtList", "TStrings");
    list.push_back(&fileExtList);
}

} // namespace kes
