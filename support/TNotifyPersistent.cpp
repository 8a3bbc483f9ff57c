#include "support/TNotifyPersistent.h"

namespace kes {

void TNotifyPersistent::Changed() {
    if (updateCount_ == 0 && OnChange)
        OnChange(this);
}

void TNotifyPersistent::BeginUpdate() {
    ++updateCount_;
}

// An unbalanced EndUpdate would drive the counter below zero and silence the object until
// it is balanced again; the counter stops at zero instead.
void TNotifyPersistent::EndUpdate() {
    if (updateCount_ > 0)
        --updateCount_;
    Changed();
}

void TNotifyPersistent::ChangedProc(TObject* sender) {
    if (sender != this)
        Changed();
}

} // namespace kes
