#pragma once

#include <string>
#include <string_view>

namespace kes {

// A cursor over one text and its character attribute string (see TCharAttributes), moved
// column by column by the wrap loop. Columns and byte indexes count from 1. The byte index is
// always the byte that the current column shows: the lead byte on a '4' column, the trail
// byte on '5', the tab on its padding columns '3', the byte itself on '1' and '2'. An end
// marker '0' follows the last column. The text is viewed, not copied: it must outlive the
// cursor's use.
class TEditorAttributeArray {
public:
    void Assign(std::string_view text, std::string_view attributes);

    // Number of attribute columns, without the end marker.
    int Length() const { return static_cast<int>(attributes_.size()) - 1; }
    int Col() const { return col_; }
    int ByteIndex() const { return byteIndex_; }
    char Attribute() const { return attributes_[col_ - 1]; }
    bool AtEnd() const { return Attribute() == '0'; }

    void Next();
    void Prev();
    // Ends on the last column of the previous character.
    void StepBack();
    // Ends on the last column of the next character.
    void StepForward();
    void MoveTo(int col);

    // The character the cursor shows; empty on the end marker.
    std::string_view CurrentChar() const;
    std::string_view NextChar();

private:
    std::string attributes_ = "0";
    std::string_view text_;
    int col_ = 1;
    int byteIndex_ = 1;
};

} // namespace kes
