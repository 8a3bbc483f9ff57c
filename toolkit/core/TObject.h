#pragma once

#include <string>

namespace kes {

// Root of the toolkit's class tree. Every object that can be a sender of an event or be
// owned by a component derives from it.
class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    // The dynamic class name without namespace, for messages ("TStringList").
    std::string ClassName() const;
};

} // namespace kes
