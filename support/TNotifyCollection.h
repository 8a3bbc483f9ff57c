#pragma once

#include "toolkit/core/TCollection.h"
#include "toolkit/core/TMethod.h"

namespace kes {

// A collection that reports every change outside its own update batches to one listener.
class TNotifyCollection : public TCollection {
public:
    TNotifyCollection(TPersistent* owner, ItemFactory itemClass)
        : TCollection(itemClass), owner_(owner) {}

    TNotifyEvent OnChange;

    TPersistent* GetOwner() override { return owner_; }
    // Binds a child's OnChange: its change becomes a change of the collection.
    virtual void ChangedProc(TObject* sender);

protected:
    void Update(TCollectionItem* item) override;

private:
    TPersistent* owner_;
};

} // namespace kes
