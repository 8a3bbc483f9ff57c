#pragma once

#include "support/TStoreComponent.h"
#include "toolkit/core/TStringList.h"

#include <memory>
#include <string_view>

namespace kes {

// A component that knows a set of file extensions (".txt"), kept sorted, without duplicates
// and without regard to letter case.
//
// The list is made on first use rather than in the constructor: a C++ constructor cannot call
// a descendant's CreateFileExtList or InitFileExtList, and those are the points where
// descendants choose the list and their default extensions.
class TFileExtComponent : public TStoreComponent {
public:
    explicit TFileExtComponent(TComponent* owner);
    ~TFileExtComponent() override;

    TStrings* FileExtList();
    // Copies the lines of value into the list.
    virtual void SetFileExtList(TStrings* value);
    // Whether the list holds ext (binary search with the list's comparison).
    virtual bool HasFileExt(std::string_view ext);

    void GetPropList(TPropList& list) const override;

protected:
    // A new sorted string list that ignores duplicates.
    virtual std::unique_ptr<TStringList> CreateFileExtList();
    // Adds the default extensions; none here.
    virtual void InitFileExtList() {}

private:
    std::unique_ptr<TStringList> fileExtList_;
};

} // namespace kes
