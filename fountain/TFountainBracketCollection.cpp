#include "fountain/TFountainBracketCollection.h"

#include "toolkit/core/Exception.h"

namespace kes {

TCollectionItem* TFountainBracketCollection::Insert(int index) {
    if (Count() >= MaxItems)
        throw Exception("TFountainBracketCollection\r\nYou can not add item over " +
                        std::to_string(MaxItems));
    return TNotifyCollection::Insert(index);
}

} // namespace kes
