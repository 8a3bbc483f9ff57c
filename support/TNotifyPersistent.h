#pragma once

#include "toolkit/core/TMethod.h"
#include "toolkit/core/TPersistent.h"

#include <cstdint>

namespace kes {

// An option object that reports its changes to one listener. Changes made between
// BeginUpdate and EndUpdate are reported once, at the EndUpdate that closes the batch.
// Setters in descendants store a value only when it differs, then call Changed; Assign from
// the same class copies inside one BeginUpdate/EndUpdate.
class TNotifyPersistent : public TPersistent {
public:
    TNotifyEvent OnChange;

    virtual void Changed();
    virtual void BeginUpdate();
    virtual void EndUpdate();
    // A child option object's OnChange is bound here, so its change becomes this object's.
    virtual void ChangedProc(TObject* sender);

    int32_t UpdateCount() const { return updateCount_; }

protected:
    // The setter pattern: store a value only when it differs, then report the change once.
    template <class T> void SetProperty(T& field, const T& value) {
        if (field == value)
            return;
        field = value;
        Changed();
    }

private:
    int32_t updateCount_ = 0;
};

} // namespace kes
