#include "fountain/PostSafeConversion.h"

#include "editor/search/SearchTables.h"
#include "fountain/BoardDangerousChars.h"
#include "fountain/CompatibilityForms.h"
#include "toolkit/core/Cp932.h"
#include "toolkit/core/Cp932Codec.h"

#include <optional>

namespace kes {

namespace {

void AppendCode(std::string& out, unsigned code) {
    if (code > 0xFF)
        out += static_cast<char>(code >> 8);
    out += static_cast<char>(code & 0xFF);
}

// Text that a board keeps: every character is in code page 932 and none is dangerous.
bool IsSafe(std::string_view encoded) {
    return encoded.find("&#x") == std::string_view::npos && CountBoardDangerous(encoded) == 0;
}

// The safe replacement of a dangerous character, or nothing.
std::optional<std::string> SafeForm(std::string_view original) {
    if (original.size() != 2)
        return std::nullopt;
    const char32_t c = Cp932CharOfCode(static_cast<unsigned char>(original[0]) << 8 |
                                       static_cast<unsigned char>(original[1]));
    if (c == 0)
        return std::nullopt;
    if (c >= U'①' && c <= U'⑳') {
        std::string number = "(";
        number += std::to_string(c - U'①' + 1);
        number += ')';
        return number;
    }
    const std::string_view form = CompatibilityForm(c);
    if (!form.empty()) {
        std::string encoded = Utf8ToCp932(form);
        if (IsSafe(encoded))
            return encoded;
    }
    // A character whose form is itself, or whose form the board would garble, may still have a
    // safe code of its own: the JIS X 0208 "≒" of the NEC copy, the "￢" of the IBM one.
    std::string encoded = Utf32ToCp932(std::u32string_view(&c, 1));
    if (IsSafe(encoded))
        return encoded;
    return std::nullopt;
}

} // namespace

TPostSafeResult MakePostSafe(std::string_view text) {
    TPostSafeResult result;
    std::string& out = result.text;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        size_t length = CharLength(text, i);
        const auto first = static_cast<unsigned char>(text[i]);
        if (!IsBoardDangerous(text, i)) {
            out += text.substr(i, length);
        } else if (IsHalfWidthKana(first)) {
            const unsigned composed =
                i + 1 < text.size()
                    ? SearchComposeVoiced(first, static_cast<unsigned char>(text[i + 1]))
                    : 0;
            if (composed != 0)
                length = 2; // the kana and its sound mark, one character now
            AppendCode(out, composed != 0 ? composed : SearchFullWidth(first));
            result.converted += length;
        } else if (std::optional<std::string> form = SafeForm(text.substr(i, length))) {
            out += *form;
            ++result.converted;
        } else {
            result.unconvertible.push_back(out.size());
            out += text.substr(i, length);
        }
        i += length;
    }
    return result;
}

} // namespace kes
