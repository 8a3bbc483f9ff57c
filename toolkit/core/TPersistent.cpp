#include "toolkit/core/TPersistent.h"

#include "toolkit/core/Exception.h"

namespace kes {

void TPersistent::Assign(TPersistent* source) {
    if (source == nullptr)
        AssignError(nullptr);
    source->AssignTo(this);
}

void TPersistent::AssignTo(TPersistent* dest) { dest->AssignError(this); }

void TPersistent::AssignError(TPersistent* source) {
    std::string from = source ? source->ClassName() : "nil";
    throw EConvertError(from + " を " + ClassName() + " に代入できません");
}

} // namespace kes
