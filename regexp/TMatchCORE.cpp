#include "regexp/TMatchCORE.h"

#include "toolkit/core/Cp932.h"

#include <array>
#include <cstring>
#include <string>

namespace kes {

namespace {

// Where a walk of the automaton stopped.
struct Walk {
    const char* lastAccept; // the cursor the last time the state was accepting, or null
    const char* stop;       // the start of the character without a transition
    int state;              // the state before that character
    unsigned stopChar;      // its code when one byte (0 at the end of the text), else 0x100
};

// Runs the automaton from state over the text at p until a character has no transition. NUL
// has no transition in any state, and a lead byte before the NUL reads as a character without
// transition, so the walk never passes the end of the text.
inline Walk Run(const TRE_DFA& dfa, const char* p, int state) {
    const std::int32_t* tables = dfa.ByteTables();
    const std::int32_t* leads = dfa.LeadTables();
    const std::uint8_t* accepting = dfa.AcceptingFlags();
    const char* last = nullptr;
    for (;;) {
        if (accepting[state])
            last = p;
        const auto b = static_cast<unsigned char>(*p);
        const std::int32_t v = tables[static_cast<std::size_t>(state) * 256 + b];
        if (v >= 0) {
            state = v;
            ++p;
            continue;
        }
        if (v == TRE_DFA::kDead)
            return {last, p, state, b};
        const std::int32_t w =
            leads[static_cast<std::size_t>(-(v + 2)) * 256 + static_cast<unsigned char>(p[1])];
        if (w < 0)
            return {last, p, state, 0x100};
        state = w;
        p += 2;
    }
}

inline const char* NextChar(const char* s) {
    return s + CharLength(s);
}

// Whether p starts a character, given that base (<= p) does.
bool IsCharStart(const char* base, const char* p) {
    return !IsSecondByte(std::string_view(base, static_cast<std::size_t>(p - base) + 1),
                         static_cast<std::size_t>(p - base));
}

// Finds the next character start at or after s where a match may begin: where the literal
// prefix every match starts with occurs, or where a byte that can start a match is. Returns end
// when there is none.
class Skipper {
public:
    Skipper(const std::string& literal, const std::array<bool, 256>& bytes, int single)
        : literal_(literal), bytes_(bytes), single_(literal.empty() ? single : -1) {}

    const char* Next(const char* s, const char* end) const {
        if (!literal_.empty()) {
            const char* from = s;
            for (;;) {
                const void* hit = memmem(from, static_cast<std::size_t>(end - from),
                                         literal_.data(), literal_.size());
                if (hit == nullptr)
                    return end;
                const char* p = static_cast<const char*>(hit);
                if (IsCharStart(s, p))
                    return p;
                s = from = p + 1; // p is a trail byte, so the next byte starts a character
            }
        }
        if (single_ >= 0) {
            const char* from = s;
            for (;;) {
                const void* hit = std::memchr(from, single_, static_cast<std::size_t>(end - from));
                if (hit == nullptr)
                    return end;
                const char* p = static_cast<const char*>(hit);
                if (IsCharStart(s, p))
                    return p;
                s = from = p + 1;
            }
        }
        while (s < end && !bytes_[static_cast<unsigned char>(*s)])
            s = NextChar(s);
        return s < end ? s : end;
    }

private:
    const std::string& literal_;
    const std::array<bool, 256>& bytes_;
    int single_;
};

const std::string kNoLiteral;

} // namespace

const char* TMatchCORE::MatchAt(const char* p, int state) const {
    if (state == TRE_DFA::kNone)
        return nullptr;
    const TRE_DFA& dfa = DFA();
    const Walk w = Run(dfa, p, state);
    if ((w.stopChar == 0 || IsLineSeparator(static_cast<std::uint16_t>(w.stopChar))) &&
        dfa.HasLineTail(w.state))
        return w.stop;
    return w.lastAccept;
}

const char* TMatchCORE::MatchAtLineHead(const char* p, int state) const {
    const TRE_DFA& dfa = DFA();
    if (!dfa.LineHeadUsed() || state == TRE_DFA::kNone)
        return MatchAt(p, state);
    const char* a = MatchAt(p, dfa.LineHeadTarget(state));
    if (a == nullptr)
        return nullptr;
    const char* b = MatchAt(p, state);
    return b != nullptr && b >= a ? b : a;
}

TMatchRange TMatchCORE::MatchFirst(const char* text, const char* textEnd) const {
    const TRE_DFA& dfa = DFA();
    const int initial = dfa.InitialState();
    if (text == textEnd) {
        if (dfa.Accepting(initial))
            return {text, text};
        return {};
    }
    if (dfa.Accepting(initial))
        return {text, Run(dfa, text, initial).lastAccept};
    const Skipper skip(dfa.LiteralPrefix(), dfa.FirstBytes(), dfa.SingleFirstByte(false));
    for (const char* s = text; s < textEnd; s = NextChar(s)) {
        s = skip.Next(s, textEnd);
        if (s == textEnd)
            break;
        const Walk w = Run(dfa, s, initial);
        if (w.lastAccept != nullptr)
            return {s, w.lastAccept};
    }
    return {};
}

TMatchRange TMatchCORE::MatchNext(const char* text, const char* textEnd) const {
    const TRE_DFA& dfa = DFA();
    const int initial = dfa.InitialState();
    const bool anchors = dfa.LineHeadUsed() || dfa.HasLineTail(initial);
    const Skipper skip(anchors ? kNoLiteral : dfa.LiteralPrefix(), dfa.FirstBytesWithAnchors(),
                       dfa.SingleFirstByte(true));
    const bool skipping = !dfa.Accepting(initial);
    for (const char* s = text; s < textEnd; s = NextChar(s)) {
        if (skipping) {
            s = skip.Next(s, textEnd);
            if (s == textEnd)
                break;
        }
        if (const char* end = MatchAt(s, initial))
            return {s, end};
        if (*s == '\n' && dfa.LineHeadUsed()) {
            if (const char* end = MatchAtLineHead(s + 1, initial))
                return {s + 1, end};
        }
    }
    if (dfa.LineTailUsed() && dfa.HasLineTail(initial))
        return {textEnd, textEnd};
    return {};
}

TMatchRange TMatchCORE::MatchFirstAnchored(const char* text, const char* textEnd) const {
    if (const char* end = MatchAtLineHead(text, DFA().InitialState()))
        return {text, end};
    return MatchNext(text, textEnd);
}

TMatchRange TMatchCORE::MatchFirst(const char* text) const {
    return MatchFirst(text, text + std::strlen(text));
}

TMatchRange TMatchCORE::MatchFirstAnchored(const char* text) const {
    return MatchFirstAnchored(text, text + std::strlen(text));
}

TMatchRange TMatchCORE::MatchNext(const char* text) const {
    return MatchNext(text, text + std::strlen(text));
}

} // namespace kes
