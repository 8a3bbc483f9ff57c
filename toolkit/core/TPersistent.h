#pragma once

#include "toolkit/core/TObject.h"
#include "toolkit/core/TPropInfo.h"

namespace kes {

// An object whose values can be copied from another object. Assign asks the source to copy
// itself into this object (AssignTo); a class that knows its source overrides Assign, a class
// that knows its destination overrides AssignTo. When neither knows the other, the copy fails
// with a conversion error.
class TPersistent : public TObject {
public:
    virtual void Assign(TPersistent* source);
    virtual TPersistent* GetOwner() { return nullptr; }
    // Appends the published properties of this object's class, those of its ancestors first.
    // A class with published properties overrides it, calls its base, then adds its own.
    virtual void GetPropList(TPropList& /*list*/) const {}

protected:
    virtual void AssignTo(TPersistent* dest);
    [[noreturn]] void AssignError(TPersistent* source);
};

} // namespace kes
