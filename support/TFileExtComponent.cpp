#include "support/TFileExtComponent.h"

namespace kes {

TFileExtComponent::TFileExtComponent(TComponent* owner) : TStoreComponent(owner) {
    fileExtList_ = CreateFileExtList();
    InitFileExtList();
}

TFileExtComponent::~TFileExtComponent() = default;

std::unique_ptr<TStringList> TFileExtComponent::CreateFileExtList() {
    auto list = std::make_unique<TStringList>();
    list->SetSorted(true);
    list->SetDuplicates(dupIgnore);
    return list;
}

void TFileExtComponent::SetFileExtList(TStrings* list) {
    fileExtList_->Assign(list);
}

bool TFileExtComponent::HasFileExt(std::string_view ext) const {
    int index = 0;
    return fileExtList_->Find(ext, index);
}

} // namespace kes
