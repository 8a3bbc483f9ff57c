#include "fountain/TFountainBracketItem.h"

namespace kes {

void TFountainBracketItem::Assign(TPersistent* source) {
    if (auto* other = dynamic_cast<TFountainBracketItem*>(source)) {
        leftBracket_ = other->leftBracket_;
        rightBracket_ = other->rightBracket_;
    }
    TFountainColorItem::Assign(source);
}

} // namespace kes
