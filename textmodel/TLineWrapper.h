#pragma once

#include "textmodel/TEditorAttributeArray.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kes {

class TEditorWrapOption;

// One row that word wrap cut from a logical line: a byte range of the line and whether the
// line continues in the next row.
struct TWrapPiece {
    size_t start = 0;
    size_t length = 0;
    bool continued = false;
};

// The wrap loop: cuts one logical line (no CR or LF in it) into rows of at most WrapByte
// columns, with the line-breaking rules of the wrap option. Column widths come from the owner
// editor's attribute builder, so tabs and the delimiter set measure as the editor sees them.
class TLineWrapper {
public:
    using AttributeBuilder = std::function<void(std::string_view text, std::string& attributes)>;

    TLineWrapper(const TEditorWrapOption& option, AttributeBuilder builder);

    // The rows of one line, in order; never empty. Every row but the last is continued,
    // unless FollowRetMark let the line break hang after a full last row.
    const std::vector<TWrapPiece>& Cut(std::string_view line);

    // x (one character, one or two bytes) equals one of the characters of set. The set is
    // walked character by character, so a single byte never matches half of a double-byte
    // character.
    static bool CharIn(std::string_view x, std::string_view set);

private:
    void FindCut(int width);

    const TEditorWrapOption& option_;
    AttributeBuilder builder_;
    TEditorAttributeArray cursor_;
    std::string attributes_;
    std::vector<TWrapPiece> pieces_;
};

} // namespace kes
