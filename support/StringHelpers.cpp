#include "support/StringHelpers.h"

#include "toolkit/core/Cp932.h"
#include "toolkit/core/ScopeGuard.h"
#include "toolkit/core/TLineSplitter.h"
#include "toolkit/core/TStrings.h"

#include <string>

namespace kes {

int Larger(int a, int b) {
    return a > b ? a : b;
}
int Smaller(int a, int b) {
    return a < b ? a : b;
}

unsigned char ByteAt(std::string_view s, int i) {
    if (i < 1 || static_cast<size_t>(i) > s.size())
        return 0;
    return static_cast<unsigned char>(s[static_cast<size_t>(i) - 1]);
}

int CountOfByte(std::string_view s, char b, int n) {
    size_t limit = n < 0 ? 0 : Smaller(static_cast<int>(s.size()), n);
    int count = 0;
    for (size_t k = 0; k < limit; ++k)
        if (s[k] == b)
            ++count;
    return count;
}

namespace {

// The 1-based start of the character that covers position i (i itself or i - 1).
size_t CharacterStart(std::string_view s, size_t i) {
    size_t p = 1;
    while (p < i)
        p += CharLength(s, p - 1);
    return p == i ? i : i - 1;
}

} // namespace

bool IsLeadByteAt(std::string_view s, int i) {
    if (i < 1 || static_cast<size_t>(i) > s.size())
        return false;
    size_t p = static_cast<size_t>(i);
    return CharacterStart(s, p) == p && IsLeadByte(s[p - 1]);
}

bool IsTrailByteAt(std::string_view s, int i) {
    if (i < 1 || static_cast<size_t>(i) > s.size())
        return false;
    size_t p = static_cast<size_t>(i);
    return CharacterStart(s, p) != p;
}

bool Contains(std::string_view sub, std::string_view s) {
    if (sub.empty())
        return false;
    for (size_t p = 0; p + sub.size() <= s.size(); p += CharLength(s, p)) {
        if (s.compare(p, sub.size(), sub) == 0)
            return true;
    }
    return false;
}

void TextToLines(std::string_view text, TStrings* list) {
    WithUpdate(*list, [&] {
        list->Clear();
        // Room for the lines first, so that a long text does not grow the list line by line.
        list->SetCapacity(static_cast<int>(CountLines(text)));
        ForEachLine(text, {}, [list](const TTextLine& line) { list->Add(std::string(line.text)); });
    });
}

} // namespace kes
