#pragma once

#include "toolkit/core/TObject.h"

#include <vector>

namespace kes {

// A list of untyped pointers. It owns nothing; descendants that own their entries override
// Clear and free them there.
class TList : public TObject {
public:
    ~TList() override = default;

    int Count() const { return static_cast<int>(items_.size()); }
    void* Items(int index) const;
    void SetItems(int index, void* item);
    int Add(void* item);
    void Insert(int index, void* item);
    void Delete(int index);
    int IndexOf(void* item) const;
    int Remove(void* item);
    void Exchange(int a, int b);
    virtual void Clear();

private:
    void Check(int index) const;
    std::vector<void*> items_;
};

} // namespace kes
