// Fuzzes the pattern compiler and the matcher. An input is
//   byte 0      switches: bit 0 fuzzy pass, bit 1 LF as the line separator
//   byte 1      the pattern's length n
//   n bytes     the pattern
//   the rest    the text
// Every pattern must compile or fail with a pattern error; every search must give a match
// inside the text that starts and ends at character starts; and the byte-table walk must agree
// with a plain reading of the automaton's range lists, character by character.
#include "regexp/ERegExpParser.h"
#include "regexp/TAWKStrEx.h"
#include "regexp/TREAutomatonLimits.h"
#include "toolkit/core/Cp932.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace kes;

[[noreturn]] void Fault(const char* what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

// The walk of the automaton by its sorted range lists: read a character (a lead byte takes the
// next byte as its trail; a lone lead byte has no transition), follow its range.
const char* SlowMatchAt(const TMatchCORE& m, const char* p, int state) {
    if (state == TRE_DFA::kNone)
        return nullptr;
    const TRE_DFA& dfa = m.DFA();
    const char* last = nullptr;
    for (;;) {
        if (dfa.State(state).accepting)
            last = p;
        const auto b = static_cast<unsigned char>(*p);
        unsigned code = b;
        int width = 1;
        int next = TRE_DFA::kNone;
        if (IsLeadByte(b)) {
            if (CharLength(p) == 2) {
                code = b << 8 | static_cast<unsigned char>(p[1]);
                width = 2;
                next = dfa.NextState(state, static_cast<std::uint16_t>(code));
            } else {
                code = 0x100;
            }
        } else if (b != 0) {
            next = dfa.NextState(state, static_cast<std::uint16_t>(code));
        }
        if (next == TRE_DFA::kNone) {
            const bool separator = code == (m.LineSeparator() == mcls_CRLF ? 13u : 10u);
            if ((code == 0 || separator) &&
                dfa.NextState(state, m.LineTailCode()) != TRE_DFA::kNone)
                return p;
            return last;
        }
        state = next;
        p += width;
    }
}

void CheckRange(const std::string& text, TMatchRange r, const std::vector<bool>& starts) {
    if (!r) {
        if (r.end != nullptr)
            Fault("half a match");
        return;
    }
    const char* begin = text.c_str();
    if (r.start < begin || r.end < r.start || r.end > begin + text.size())
        Fault("match outside the text");
    if (!starts[static_cast<std::size_t>(r.start - begin)] ||
        !starts[static_cast<std::size_t>(r.end - begin)])
        Fault("match splits a character");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    // Smaller bounds than the editor's keep every run short; reaching them is the same path.
    static const bool limited = [] {
        TREAutomatonLimits& limits = AutomatonLimits();
        limits.nfaStates = 4000;
        limits.nfaTransitions = 20000;
        limits.dfaStates = 200;
        limits.dfaMemory = 1u << 20;
        limits.work = 1u << 20;
        limits.leadTables = 500;
        return true;
    }();
    (void)limited;
    // A matcher per run: what a run allocates it also frees, which the leak check relies on.
    auto owned = std::make_unique<TAWKStrEx>(nullptr);
    TAWKStrEx* matcher = owned.get();
    const std::uint8_t flags = data[0];
    const std::size_t n = std::min<std::size_t>(data[1], size - 2);
    const std::string pattern(reinterpret_cast<const char*>(data + 2), n);
    std::string text(reinterpret_cast<const char*>(data + 2 + n), size - 2 - n);
    text = text.substr(0, text.find('\0'));

    matcher->SetLineSeparator(flags & 2 ? mcls_LF : mcls_CRLF);
    try {
        if (matcher->UseFuzzyCharDic() != ((flags & 1) != 0))
            matcher->SetUseFuzzyCharDic((flags & 1) != 0);
    } catch (const ERegExpParser&) {
    }
    // A fault found by the dictionary pass keeps the previous pattern; any later one falls
    // back to the empty pattern.
    const std::string previous = matcher->RegExp();
    const int previousIndex = matcher->CurrentIndex();
    try {
        matcher->SetRegExp(pattern);
    } catch (const ERegExpParser&) {
        const bool kept = matcher->RegExp() == previous && matcher->CurrentIndex() == previousIndex;
        const bool emptied = matcher->RegExp().empty() && matcher->CurrentIndex() == 0;
        if (!kept && !emptied)
            Fault("a failed pattern left something else current");
        return 0;
    }

    // Character starts of the text, and the end.
    std::vector<bool> starts(text.size() + 1, false);
    for (std::size_t i = 0; i < text.size();) {
        starts[i] = true;
        i += CharLength(text, i);
    }
    starts[text.size()] = true;

    const char* t = text.c_str();
    CheckRange(text, matcher->MatchFirst(t), starts);
    CheckRange(text, matcher->MatchNext(t), starts);
    CheckRange(text, matcher->MatchFirstAnchored(t), starts);
    const TRE_DFA& dfa = matcher->DFA();
    // The walks from the first starts suffice; each one reads on to the end of the text.
    for (std::size_t i = 0; i <= std::min<std::size_t>(text.size(), 24); ++i) {
        if (!starts[i])
            continue;
        const int initial = dfa.InitialState();
        if (matcher->MatchAt(t + i, initial) != SlowMatchAt(*matcher, t + i, initial))
            Fault("byte tables and range lists disagree");
        const int head = dfa.LineHeadTarget(initial);
        if (matcher->MatchAt(t + i, head) != SlowMatchAt(*matcher, t + i, head))
            Fault("byte tables and range lists disagree after a line head");
    }
    std::vector<TSearchInfo> hits;
    matcher->FindAll(text, text + "\r\n", hits);
    for (const TSearchInfo& hit : hits) {
        if (hit.length <= 0 || hit.position < 1 ||
            static_cast<std::size_t>(hit.position - 1 + hit.length) > text.size() + 2)
            Fault("FindAll record outside the text");
    }
    return 0;
}
