#include "support/TMethodList.h"

namespace kes {

TMethodList::~TMethodList() {
    Clear();
}

void TMethodList::AddMethod(const TNotifyEvent& method) {
    Add(new TNotifyEvent(method));
}

void TMethodList::RemoveMethod(const TNotifyEvent& method) {
    for (int i = Count() - 1; i >= 0; --i) {
        auto* record = static_cast<TNotifyEvent*>(Items(i));
        if (*record == method) {
            Delete(i);
            delete record;
            return;
        }
    }
}

const TNotifyEvent& TMethodList::Method(int index) const {
    return *static_cast<TNotifyEvent*>(Items(index));
}

void TMethodList::Clear() {
    for (int i = 0; i < Count(); ++i)
        delete static_cast<TNotifyEvent*>(Items(i));
    TList::Clear();
}

} // namespace kes
