#pragma once

#include "toolkit/core/TComponent.h"

namespace kes {

// The common base of the editor's components.
class TStoreComponent : public TComponent {
public:
    using TComponent::TComponent;
};

} // namespace kes
