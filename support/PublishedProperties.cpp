#include "support/PublishedProperties.h"

#include "toolkit/core/TCollection.h"
#include "toolkit/core/TPersistent.h"

#include <algorithm>
#include <vector>

namespace kes {

namespace {

void Walk(TObject* object, TTypeKinds kinds, TPropertyProc proc, void* data,
          std::vector<TObject*>& path) {
    auto* persistent = dynamic_cast<TPersistent*>(object);
    if (persistent == nullptr || std::find(path.begin(), path.end(), object) != path.end())
        return;
    path.push_back(object);
    TPropList list;
    persistent->GetPropList(list);
    for (const TPropInfo* property : list) {
        if ((kinds & KindBit(property->type.kind)) == 0)
            continue;
        proc(data, object, *property, property->type);
        if (property->type.kind != tkClass || property->GetObject == nullptr)
            continue;
        TObject* value = property->GetObject(object);
        Walk(value, kinds, proc, data, path);
        if (auto* collection = dynamic_cast<TCollection*>(value)) {
            for (int i = 0; i < collection->Count(); ++i)
                Walk(collection->Items(i), kinds, proc, data, path);
        }
    }
    path.pop_back();
}

} // namespace

void ForEachPublishedProperty(TObject* object, TTypeKinds kinds, TPropertyProc proc, void* data) {
    std::vector<TObject*> path;
    Walk(object, kinds, proc, data, path);
}

} // namespace kes
