#pragma once

#include "fountain/TFountainBracketItem.h"
#include "support/TNotifyCollection.h"

namespace kes {

// The bracket pairs of a fountain. A row stores the bracket it ends inside in four bits,
// so there are at most 14 pairs (indices 0..13); adding a fifteenth raises an error and
// leaves the 14. Assigning a longer collection copies the first 14, then raises.
class TFountainBracketCollection : public TNotifyCollection {
public:
    static constexpr int MaxItems = 14;

    explicit TFountainBracketCollection(TPersistent* owner)
        : TNotifyCollection(owner, NewItem<TFountainBracketItem>) {}

    TFountainBracketItem* Add() { return static_cast<TFountainBracketItem*>(TCollection::Add()); }
    TFountainBracketItem* Items(int index) const {
        return static_cast<TFountainBracketItem*>(TCollection::Items(index));
    }
    TCollectionItem* Insert(int index) override;
};

} // namespace kes
