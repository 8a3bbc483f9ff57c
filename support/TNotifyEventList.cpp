#include "support/TNotifyEventList.h"

namespace kes {

void TNotifyEventList::Changed() {
    if (UpdateCount() != 0)
        return;
    // Each handler is copied before the call: a handler may remove itself from the list.
    for (int i = 0; i < handlers_.Count(); ++i) {
        TNotifyEvent handler = handlers_.Method(i);
        handler(owner_);
    }
}

} // namespace kes
