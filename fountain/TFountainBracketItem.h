#pragma once

#include "fountain/TFountainColorItem.h"

#include <string>

namespace kes {

// A pair of brackets whose text, brackets included, is one token with the item's colour.
class TFountainBracketItem : public TFountainColorItem {
public:
    const std::string& LeftBracket() const { return leftBracket_; }
    void SetLeftBracket(const std::string& bracket) { leftBracket_ = bracket; }
    const std::string& RightBracket() const { return rightBracket_; }
    void SetRightBracket(const std::string& bracket) { rightBracket_ = bracket; }

    void Assign(TPersistent* source) override;

private:
    std::string leftBracket_;
    std::string rightBracket_;
};

} // namespace kes
