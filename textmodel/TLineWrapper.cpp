#include "textmodel/TLineWrapper.h"

#include "textmodel/TEditorWrapOption.h"
#include "toolkit/core/Cp932.h"

namespace kes {

TLineWrapper::TLineWrapper(const TEditorWrapOption& option, AttributeBuilder builder)
    : option_(option), builder_(std::move(builder)) {}

bool TLineWrapper::CharIn(std::string_view x, std::string_view set) {
    if (x.empty())
        return false;
    size_t i = 0;
    while (i < set.size()) {
        size_t n = CharLength(set, i);
        if (n == x.size() && set[i] == x[0] && (n == 1 || set[i + 1] == x[1]))
            return true;
        i += n;
    }
    return false;
}

const std::vector<TWrapPiece>& TLineWrapper::Cut(std::string_view line) {
    pieces_.clear();
    const int width = option_.WrapByte();
    builder_(line, attributes_);
    if (static_cast<int>(attributes_.size()) < width) {
        pieces_.push_back({0, line.size(), false});
        return pieces_;
    }
    size_t offset = 0;
    std::string_view rest = line;
    cursor_.Assign(rest, attributes_);
    cursor_.MoveTo(width);
    while (!cursor_.AtEnd()) {
        FindCut(width);
        size_t taken = static_cast<size_t>(cursor_.ByteIndex());
        pieces_.push_back({offset, taken, true});
        offset += taken;
        rest.remove_prefix(taken);
        // Columns and tab stops start again at the new row's start.
        builder_(rest, attributes_);
        cursor_.Assign(rest, attributes_);
        cursor_.MoveTo(width);
    }
    if (!rest.empty() || !option_.FollowRetMark())
        pieces_.push_back({offset, rest.size(), false});
    else
        pieces_.back().continued = false;
    return pieces_;
}

// Moves the cursor from column `width` to the last column the row being cut will hold.
void TLineWrapper::FindCut(int width) {
    TEditorAttributeArray& c = cursor_;
    if (c.Attribute() == '4') {
        // A double-byte character never straddles the margin: it goes to the next row.
        c.Prev();
    } else if (option_.WordBreak() && c.Length() > width) {
        // End the row on a delimiter, inside a tab or after a double-byte character, but keep
        // at least a third of the width; a longer word is cut inside.
        while (c.Attribute() != '2' && c.Attribute() != '3' && c.Attribute() != '5' &&
               c.Col() > width / 3)
            c.StepBack();
    }
    if (option_.FollowPunctuation()) {
        while (c.Col() < width + 2 && CharIn(c.NextChar(), option_.PunctuationStr()))
            c.StepForward();
    }
    if (!option_.Leading() || c.Col() >= c.Length())
        return;
    // Kinsoku: an opening mark does not end a row and a closing mark does not begin one. Both
    // give up once the row is down to four fifths of the width.
    const int floor = width / 5 * 4;
    const std::string& lead = option_.LeadStr();
    const std::string& follow = option_.FollowStr();
    while (c.Col() > floor && CharIn(c.CurrentChar(), lead))
        c.StepBack();
    if (c.Col() + 1 >= c.Length())
        return;
    std::string_view next = c.NextChar();
    std::string_view current = c.CurrentChar();
    if (!CharIn(next, follow))
        return;
    while (c.Col() > floor && (CharIn(current, lead) || CharIn(next, follow))) {
        c.StepBack();
        next = current;
        current = c.CurrentChar();
    }
}

} // namespace kes
