#include "fountain/TFountainColorItem.h"

#include "support/TNotifyCollection.h"

namespace kes {

TFountainColorItem::TFountainColorItem() : itemColor_(std::make_unique<TFountainColor>()) {
    itemColor_->OnChange = MethodOf<&TFountainColorItem::ColorChanged>(this);
}

TFountainColorItem::~TFountainColorItem() = default;

// The item learns its collection only after it is made, so the colour reports to the item,
// which passes the change on to whatever collection holds it now.
void TFountainColorItem::ColorChanged(TObject* sender) {
    if (auto* collection = dynamic_cast<TNotifyCollection*>(Collection()))
        collection->ChangedProc(sender);
}

void TFountainColorItem::Assign(TPersistent* source) {
    if (auto* other = dynamic_cast<TFountainColorItem*>(source)) {
        itemColor_->Assign(other->itemColor_.get());
        return;
    }
    TCollectionItem::Assign(source);
}

} // namespace kes
