#pragma once

#include "fountain/TFountainColor.h"
#include "toolkit/core/TCollection.h"

#include <memory>

namespace kes {

// A collection item with a colour. A change of the colour is a change of the collection
// when the collection reports its changes (TNotifyCollection).
class TFountainColorItem : public TCollectionItem {
public:
    TFountainColorItem();
    ~TFountainColorItem() override;

    TFountainColor* ItemColor() const { return itemColor_.get(); }
    void SetItemColor(TFountainColor* color) { itemColor_->Assign(color); }

    void Assign(TPersistent* source) override;

private:
    void ColorChanged(TObject* sender);

    std::unique_ptr<TFountainColor> itemColor_;
};

} // namespace kes
