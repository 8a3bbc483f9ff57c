#pragma once

#include "toolkit/core/TList.h"
#include "toolkit/core/TMethod.h"

namespace kes {

// A list of notify-event references, each held in a record the list owns. The same handler
// may be added more than once; RemoveMethod takes away the most recently added copy only.
class TMethodList : public TList {
public:
    ~TMethodList() override;

    void AddMethod(const TNotifyEvent& method);
    void RemoveMethod(const TNotifyEvent& method);
    const TNotifyEvent& Method(int index) const;
    void Clear() override;
};

} // namespace kes
