#include "textmodel/TCharAttributes.h"

#include "toolkit/core/Cp932.h"

#include <algorithm>

namespace kes {

TDelimiters DefaultDelimiters() {
    TDelimiters set;
    auto range = [&set](int from, int to) {
        for (int b = from; b <= to; ++b)
            set.set(b);
    };
    range(0x00, 0x2F);
    range(0x3A, 0x40);
    range(0x5B, 0x5E);
    set.set(0x60);
    range(0x7B, 0x80);
    range(0xA0, 0xA5);
    range(0xFD, 0xFF);
    return set;
}

int TCharAttributes::TabWidth(int p) const {
    int t = std::max(1, tabSpaceCount);
    int width = t - p % t;
    if (wordWrap && wrapByte > 0)
        width = std::min(width, wrapByte - p % wrapByte);
    return width;
}

void TCharAttributes::Build(std::string_view text, std::string& attributes) const {
    const size_t limit = static_cast<size_t>(wordWrap ? wrapByte + 3 : UnwrappedLimit);
    // Written through a pointer into room for the limit and the widest last character (a
    // tab), then cut to what was written.
    attributes.resize(limit + static_cast<size_t>(std::max(tabSpaceCount, 2)));
    char* out = attributes.data();
    size_t n = 0;
    size_t i = 0;
    while (i < text.size() && n < limit) {
        unsigned char b = static_cast<unsigned char>(text[i]);
        if (CharLength(text, i) == 2) {
            out[n++] = '4';
            out[n++] = '5';
            i += 2;
            continue;
        }
        out[n++] = delimiters[b] ? '2' : '1';
        if (b == '\t') {
            for (int pad = TabWidth(static_cast<int>(n) - 1) - 1; pad > 0; --pad)
                out[n++] = '3';
        }
        ++i;
    }
    attributes.resize(n);
}

std::string TCharAttributes::Build(std::string_view text) const {
    std::string attributes;
    Build(text, attributes);
    return attributes;
}

int TCharAttributes::Width(std::string_view text) const {
    int width = 0;
    size_t i = 0;
    while (i < text.size()) {
        unsigned char b = static_cast<unsigned char>(text[i]);
        if (CharLength(text, i) == 2) {
            width += 2;
            i += 2;
        } else {
            width += b == '\t' ? TabWidth(width) : 1;
            ++i;
        }
    }
    return width;
}

} // namespace kes
