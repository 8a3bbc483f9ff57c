#include "fountain/BoardDangerousChars.h"

#include "toolkit/core/Cp932.h"

namespace kes {

bool IsPlatformDependent(unsigned char first, unsigned char second) {
    switch (first) {
    case 0x85:
    case 0xEB:
    case 0xF0:
        return second >= 0x40;
    case 0x86:
    case 0x87:
    case 0xEC:
    case 0xED:
    case 0xEE:
        return true;
    case 0x88:
        return second <= 0x9E;
    case 0xEF:
        return second <= 0xFC;
    default:
        return first >= 0xF1;
    }
}

bool IsBoardDangerous(std::string_view text, size_t i) {
    const auto first = static_cast<unsigned char>(text[i]);
    if (IsHalfWidthKana(first))
        return true;
    const auto second = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
    return IsPlatformDependent(first, second);
}

size_t CountBoardDangerous(std::string_view text) {
    size_t count = 0;
    for (size_t i = 0; i < text.size(); i += CharLength(text, i))
        count += IsBoardDangerous(text, i) ? 1 : 0;
    return count;
}

} // namespace kes
