#pragma once

#include <cstddef>

namespace kes {

// Bounds on the automata of one pattern. A pattern such as (a|b)*a(a|b)(a|b)... doubles its
// deterministic states with every group, and nested '+' double the nondeterministic one; without
// bounds, typing such a pattern into the find box would stall the editor or exhaust memory.
// Ordinary patterns, fuzzy ones included, stay far below the defaults. Exceeding a bound raises
// ERegExpParser with RegExpMessage::TooComplex.
struct TREAutomatonLimits {
    std::size_t nfaStates = 100000;
    std::size_t nfaTransitions = 1000000;
    std::size_t dfaStates = 10000;
    std::size_t dfaMemory = 64u << 20; // state sets, transitions and byte tables kept
    std::size_t work = 128u << 20;     // bytes of state sets made, and NFA states looked at
    std::size_t leadTables = 32768;
};

// The bounds every compilation obeys. A program may lower them; the fuzzer does, so that each of
// its runs stays short.
TREAutomatonLimits& AutomatonLimits();

} // namespace kes
