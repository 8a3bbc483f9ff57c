#include "toolkit/core/TList.h"

#include "toolkit/core/Exception.h"

#include <utility>

namespace kes {

void TList::Check(int index) const {
    if (index < 0 || index >= Count())
        throw EListError(index);
}

void* TList::Items(int index) const {
    Check(index);
    return items_[static_cast<size_t>(index)];
}

void TList::SetItems(int index, void* item) {
    Check(index);
    items_[static_cast<size_t>(index)] = item;
}

int TList::Add(void* item) {
    items_.push_back(item);
    return Count() - 1;
}

void TList::Insert(int index, void* item) {
    if (index < 0 || index > Count())
        throw EListError(index);
    items_.insert(items_.begin() + index, item);
}

void TList::Delete(int index) {
    Check(index);
    items_.erase(items_.begin() + index);
}

int TList::IndexOf(void* item) const {
    for (int i = 0; i < Count(); ++i)
        if (items_[static_cast<size_t>(i)] == item)
            return i;
    return -1;
}

int TList::Remove(void* item) {
    int index = IndexOf(item);
    if (index >= 0)
        Delete(index);
    return index;
}

void TList::Exchange(int a, int b) {
    Check(a);
    Check(b);
    std::swap(items_[static_cast<size_t>(a)], items_[static_cast<size_t>(b)]);
}

void TList::Clear() { items_.clear(); }

} // namespace kes
