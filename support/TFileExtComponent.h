#pragma once

#include "support/TStoreComponent.h"
#include "toolkit/core/TStringList.h"

#include <memory>
#include <string_view>

namespace kes {

// A component that names the file extensions it is meant for: a sorted list, duplicates
// ignored, letter case ignored.
//
// C++ runs a base constructor before the derived object exists, so the base constructor
// calls its own InitFileExtList; a descendant with default extensions calls its override
// from its own constructor (adding twice is harmless: duplicates are ignored).
class TFileExtComponent : public TStoreComponent {
public:
    explicit TFileExtComponent(TComponent* owner);
    ~TFileExtComponent() override;

    TStringList* FileExtList() const { return fileExtList_.get(); }
    virtual void SetFileExtList(TStrings* list);
    virtual bool HasFileExt(std::string_view ext) const;

protected:
    virtual std::unique_ptr<TStringList> CreateFileExtList();
    virtual void InitFileExtList() {}

private:
    std::unique_ptr<TStringList> fileExtList_;
};

} // namespace kes
