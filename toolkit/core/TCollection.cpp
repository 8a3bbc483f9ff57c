#include "toolkit/core/TCollection.h"

#include "toolkit/core/Exception.h"
#include "toolkit/core/ScopeGuard.h"

#include <algorithm>

namespace kes {

TCollectionItem::~TCollectionItem() {
    if (collection_)
        collection_->RemoveItem(this);
}

int TCollectionItem::Index() const {
    if (!collection_)
        return -1;
    const auto& items = collection_->items_;
    return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int index) {
    int current = Index();
    if (current < 0 || index == current)
        return;
    auto& items = collection_->items_;
    if (index < 0 || index >= static_cast<int>(items.size()))
        throw EListError(index);
    items.erase(items.begin() + current);
    items.insert(items.begin() + index, this);
    Changed(true);
}

TPersistent* TCollectionItem::GetOwner() {
    return collection_;
}

void TCollectionItem::Changed(bool allItems) {
    if (collection_ && collection_->updateCount_ == 0)
        collection_->Update(allItems ? nullptr : this);
}

TCollection::TCollection(ItemFactory itemClass) : itemClass_(itemClass) {}

TCollection::~TCollection() {
    // No Update while the items go.
    updateCount_ = 1;
    while (!items_.empty())
        delete items_.back();
}

TCollectionItem* TCollection::Add() {
    return Insert(Count());
}

TCollectionItem* TCollection::Insert(int index) {
    if (index < 0 || index > Count())
        throw EListError(index);
    TCollectionItem* item = itemClass_();
    InsertItem(item, index);
    return item;
}

void TCollection::InsertItem(TCollectionItem* item, int index) {
    items_.insert(items_.begin() + index, item);
    item->collection_ = this;
    item->id_ = nextId_++;
    Changed();
}

void TCollection::RemoveItem(TCollectionItem* item) {
    auto it = std::find(items_.begin(), items_.end(), item);
    if (it == items_.end())
        return;
    items_.erase(it);
    item->collection_ = nullptr;
    Changed();
}

void TCollection::Delete(int index) {
    delete Items(index);
}

void TCollection::Clear() {
    if (items_.empty())
        return;
    BeginUpdate();
    while (!items_.empty())
        delete items_.back();
    EndUpdate();
}

TCollectionItem* TCollection::Items(int index) const {
    if (index < 0 || index >= Count())
        throw EListError(index);
    return items_[static_cast<size_t>(index)];
}

void TCollection::BeginUpdate() {
    ++updateCount_;
}

void TCollection::EndUpdate() {
    --updateCount_;
    Changed();
}

void TCollection::Changed() {
    if (updateCount_ == 0)
        Update(nullptr);
}

void TCollection::Assign(TPersistent* source) {
    if (auto* other = dynamic_cast<TCollection*>(source)) {
        if (other == this) // clearing first would lose the very items to copy
            return;
        WithUpdate(*this, [&] {
            Clear();
            for (TCollectionItem* item : other->items_)
                Add()->Assign(item);
        });
        return;
    }
    TPersistent::Assign(source);
}

} // namespace kes
