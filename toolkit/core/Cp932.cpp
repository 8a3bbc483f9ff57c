#include "toolkit/core/Cp932.h"

namespace kes {

namespace {

template <class Fold> std::string FoldCase(std::string_view s, Fold fold) {
    std::string out(s);
    for (size_t i = 0; i < out.size(); i += CharLength(out, i)) {
        if (CharLength(out, i) == 1)
            out[i] = fold(out[i]);
    }
    return out;
}

char UpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

std::string Cp932UpperCase(std::string_view s) {
    return FoldCase(s, UpperAscii);
}
std::string Cp932LowerCase(std::string_view s) {
    return FoldCase(s, LowerAscii);
}

int Cp932CompareText(std::string_view a, std::string_view b) {
    size_t n = a.size() < b.size() ? a.size() : b.size();
    bool trail = false;
    for (size_t i = 0; i < n; ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (!trail) {
            x = static_cast<unsigned char>(UpperAscii(static_cast<char>(x)));
            y = static_cast<unsigned char>(UpperAscii(static_cast<char>(y)));
        }
        if (x != y)
            return x < y ? -1 : 1;
        trail = !trail && CharLength(a, i) == 2;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

} // namespace kes
