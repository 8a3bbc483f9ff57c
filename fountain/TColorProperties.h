#pragma once

#include <functional>

namespace kes {

class TFountainColor;

// An object whose published properties include colour triples. Walks over "every colour of
// a scheme" (italic test, set-every-colour operations) go through this list instead of
// run-time type information. Only properties that are colours themselves are listed; an
// object that holds further colours is not entered.
class TColorProperties {
public:
    using Visit = std::function<void(const char* name, TFountainColor* color)>;
    virtual void ForEachColorProperty(const Visit& visit) = 0;

protected:
    ~TColorProperties() = default;
};

} // namespace kes
