#pragma once

#include "toolkit/core/TPropInfo.h"

namespace kes {

class TObject;

using TPropertyProc = void (*)(void* data, TObject* instance, const TPropInfo& property,
                               const TTypeInfo& type);

// Calls proc for every published property of object's class whose kind is in kinds, in the
// order the class lists them. When such a property is an object property holding a persistent
// object, the walk goes on into that object, and into every item when it is a collection.
// An object already being walked further up is not entered again, so a property that leads
// back to its owner ends the descent instead of recursing forever.
void ForEachPublishedProperty(TObject* object, TTypeKinds kinds, TPropertyProc proc, void* data);

} // namespace kes
