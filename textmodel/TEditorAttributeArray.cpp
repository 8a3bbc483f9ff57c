#include "textmodel/TEditorAttributeArray.h"

#include <algorithm>

namespace kes {

void TEditorAttributeArray::Assign(std::string_view text, std::string_view attributes) {
    text_ = text;
    attributes_.assign(attributes);
    attributes_ += '0';
    col_ = 1;
    byteIndex_ = 1;
}

void TEditorAttributeArray::Next() {
    if (AtEnd())
        return;
    ++col_;
    if (Attribute() != '3')
        ++byteIndex_;
}

void TEditorAttributeArray::Prev() {
    if (col_ <= 1)
        return;
    if (Attribute() != '3')
        --byteIndex_;
    --col_;
}

void TEditorAttributeArray::StepBack() {
    Prev();
    if (Attribute() == '4')
        Prev();
}

void TEditorAttributeArray::StepForward() {
    Next();
    if (Attribute() == '4')
        Next();
}

void TEditorAttributeArray::MoveTo(int col) {
    // Forward in one sweep: every column but a tab's padding shows a byte of its own.
    const int target = std::min(col, Length() + 1);
    for (; col_ < target; ++col_)
        if (attributes_[static_cast<size_t>(col_)] != '3')
            ++byteIndex_;
    while (col_ > col && col_ > 1)
        Prev();
}

std::string_view TEditorAttributeArray::CurrentChar() const {
    size_t at = static_cast<size_t>(byteIndex_ - 1);
    switch (Attribute()) {
    case '0':
        return {};
    case '4':
        return text_.substr(at, 2);
    case '5':
        return text_.substr(at - 1, 2);
    default:
        return text_.substr(at, 1);
    }
}

std::string_view TEditorAttributeArray::NextChar() {
    if (AtEnd())
        return {};
    Next();
    std::string_view c = CurrentChar();
    Prev();
    return c;
}

} // namespace kes
