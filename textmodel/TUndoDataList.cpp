#include "textmodel/TUndoDataList.h"

namespace kes {

TUndoDataList::~TUndoDataList() {
    Clear();
}

TUndoData* TUndoDataList::Add(std::unique_ptr<TUndoData> entry) {
    TList::Add(entry.get());
    return entry.release();
}

void TUndoDataList::Delete(int index) {
    TUndoData* entry = Items(index);
    TList::Delete(index);
    delete entry;
}

void TUndoDataList::Clear() {
    for (int i = 0; i < Count(); ++i)
        delete Items(i);
    TList::Clear();
}

} // namespace kes
