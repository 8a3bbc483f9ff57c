#pragma once

#include "support/TMethodList.h"
#include "support/TNotifyPersistent.h"

namespace kes {

// The listener list of an object that several others watch (a fountain and the editors
// showing it). A change calls every handler in the order they were added, with the owner
// as the sender.
class TNotifyEventList : public TNotifyPersistent {
public:
    explicit TNotifyEventList(TPersistent* owner) : owner_(owner) {}

    void Add(const TNotifyEvent& handler) { handlers_.AddMethod(handler); }
    void Remove(const TNotifyEvent& handler) { handlers_.RemoveMethod(handler); }
    int Count() const { return handlers_.Count(); }

    TPersistent* GetOwner() override { return owner_; }
    void Changed() override;

private:
    TMethodList handlers_;
    TPersistent* owner_;
};

} // namespace kes
