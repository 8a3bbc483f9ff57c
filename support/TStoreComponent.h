#pragma once

#include "toolkit/core/TComponent.h"

namespace kes {

// The common base of the support components; it adds nothing of its own.
class TStoreComponent : public TComponent {
public:
    using TComponent::TComponent;
};

} // namespace kes
