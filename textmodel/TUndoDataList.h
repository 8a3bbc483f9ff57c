#pragma once

#include "textmodel/TUndoData.h"
#include "toolkit/core/TList.h"

#include <memory>

namespace kes {

// A list of undo entries that owns them: clearing it, deleting an entry and destroying the
// list release the entries.
class TUndoDataList : public TList {
public:
    ~TUndoDataList() override;

    TUndoData* Items(int index) const { return static_cast<TUndoData*>(TList::Items(index)); }
    TUndoData* Last() const { return Count() > 0 ? Items(Count() - 1) : nullptr; }
    TUndoData* Add(std::unique_ptr<TUndoData> entry);
    void Delete(int index);
    void Clear() override;
};

} // namespace kes
