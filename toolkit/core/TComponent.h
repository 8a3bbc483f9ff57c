#pragma once

#include "toolkit/core/TPersistent.h"

#include <string>
#include <vector>

namespace kes {

// A persistent object that may own other components. The owner frees what it owns when it is
// destroyed; a component freed earlier leaves its owner's list by itself.
class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    TComponent* Owner() const { return owner_; }
    TPersistent* GetOwner() override { return owner_; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const;

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }

    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);

private:
    TComponent* owner_ = nullptr;
    std::vector<TComponent*> components_;
    std::string name_;
};

} // namespace kes
