#include "support/TNotifyCollection.h"

namespace kes {

void TNotifyCollection::ChangedProc(TObject* sender) {
    if (sender != this)
        Changed();
}

void TNotifyCollection::Update(TCollectionItem* /*item*/) {
    if (OnChange)
        OnChange(this);
}

} // namespace kes
