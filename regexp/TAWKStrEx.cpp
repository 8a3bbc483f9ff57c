#include "regexp/TAWKStrEx.h"

#include "toolkit/core/Cp932.h"
#include "toolkit/core/ScopeGuard.h"

#include <cstring>

namespace kes {

void TAWKStrEx::SetRegExp(const std::string& pattern) {
    WithCleanup([&] { TAWKStr::SetRegExp(pattern); }, [this] { routine_ = FirstRoutine(); });
}

int TAWKStrEx::FindAll(const std::string& line, const std::string& buffer,
                       std::vector<TSearchInfo>& list) const {
    const char* const begin = buffer.data();
    const char* const bufferEnd = begin + buffer.size();
    const char* rest = begin;
    // The search routines see the text up to its first NUL.
    auto textEndFrom = [bufferEnd](const char* p) {
        const void* nul = std::memchr(p, 0, static_cast<std::size_t>(bufferEnd - p));
        return nul != nullptr ? static_cast<const char*>(nul) : bufferEnd;
    };
    const char* textEnd = textEndFrom(rest);
    MatchRoutine routine = routine_;
    while (rest < bufferEnd) {
        if (rest > textEnd)
            textEnd = textEndFrom(rest);
        const TMatchRange m = (this->*routine)(rest, textEnd);
        if (!m)
            break;
        if (m.start == m.end) {
            // Every start before an empty match failed, and would fail again from any later
            // start up to it, so the search goes on one character past the empty match.
            rest = m.start;
            rest +=
                CharLength(std::string_view(rest, static_cast<std::size_t>(bufferEnd - rest)), 0);
        } else {
            const std::size_t position = static_cast<std::size_t>(m.start - begin);
            const std::size_t length = static_cast<std::size_t>(m.end - m.start);
            TSearchInfo info;
            info.position = static_cast<int>(position + 1);
            info.length = static_cast<int>(length);
            if (position < line.size())
                info.text = line.substr(position, length);
            list.push_back(std::move(info));
            rest = m.end;
        }
        routine = &TMatchCORE::MatchNext;
    }
    return static_cast<int>(list.size());
}

} // namespace kes
