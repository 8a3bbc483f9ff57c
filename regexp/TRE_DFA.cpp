#include "regexp/TRE_DFA.h"

#include "regexp/ERegExpParser.h"
#include "regexp/TREAutomatonLimits.h"
#include "regexp/TRE_NFA.h"
#include "toolkit/core/Cp932.h"

#include <algorithm>
#include <bit>
#include <string_view>
#include <unordered_map>

namespace kes {

namespace {

[[noreturn]] void TooComplex() {
    throw ERegExpParser(RegExpMessage::TooComplex, 0);
}

template <class Visit> void ForEachState(const TRE_NFAStateSet& set, Visit visit) {
    for (std::size_t w = 0; w < set.WordCount(); ++w) {
        for (std::uint64_t bits = set.WordAt(w); bits != 0; bits &= bits - 1)
            visit(static_cast<int>(w * 64 + static_cast<std::size_t>(std::countr_zero(bits))));
    }
}

// Adds every state reachable through empty transitions. Returns the number of states looked
// at, which counts towards the work limit.
std::size_t EmptyClosure(const TRE_NFA& nfa, TRE_NFAStateSet& set, std::vector<int>& pending) {
    pending.clear();
    ForEachState(set, [&](int s) { pending.push_back(s); });
    std::size_t visited = 0;
    while (!pending.empty()) {
        ++visited;
        const int s = pending.back();
        pending.pop_back();
        for (const int target : nfa.EmptyTargets(s)) {
            if (!set.Has(target)) {
                set.Include(target);
                pending.push_back(target);
            }
        }
    }
    return visited;
}

} // namespace

struct TRE_DFA::SetIndex {
    std::unordered_map<std::string_view, int> states;
};

TRE_DFA::TRE_DFA() = default;
TRE_DFA::~TRE_DFA() = default;

int TRE_DFA::Register(std::unique_ptr<TRE_NFAStateSet>& set, int finalState) {
    auto found = index_->states.find(set->Bytes());
    if (found != index_->states.end())
        return found->second;
    if (states_.size() >= AutomatonLimits().dfaStates)
        TooComplex();
    TRE_DFAState state;
    state.accepting = set->Has(finalState);
    state.stateSet = std::move(set);
    const std::string_view key = state.stateSet->Bytes();
    states_.push_back(std::move(state));
    const int index = static_cast<int>(states_.size()) - 1;
    index_->states.emplace(key, index);
    return index;
}

void TRE_DFA::Run(const TRE_NFA& nfa) {
    states_.clear();
    index_ = std::make_unique<SetIndex>();
    lineHeadUsed_ = nfa.LineHeadUsed();
    lineTailUsed_ = nfa.LineTailUsed();
    const int nfaStates = nfa.StateCount();
    std::size_t work = 0;
    std::size_t kept = 0;
    // Most target sets turn out to be states already known; their storage is used again.
    std::vector<std::unique_ptr<TRE_NFAStateSet>> spare;
    auto newSet = [&] {
        std::unique_ptr<TRE_NFAStateSet> set;
        if (spare.empty()) {
            set = std::make_unique<TRE_NFAStateSet>(nfaStates);
        } else {
            set = std::move(spare.back());
            spare.pop_back();
            set->Clear();
        }
        work += set->ByteSize();
        if (work > AutomatonLimits().work)
            TooComplex();
        return set;
    };

    std::vector<int> pending;
    auto closure = [&](TRE_NFAStateSet& set) {
        work += EmptyClosure(nfa, set, pending) * sizeof(int);
        if (work > AutomatonLimits().work)
            TooComplex();
    };
    auto initial = newSet();
    initial->Include(nfa.EntryState());
    closure(*initial);
    Register(initial, nfa.FinalState());

    struct Move {
        std::uint16_t lo;
        std::uint16_t hi;
        std::unique_ptr<TRE_NFAStateSet> targets;
    };
    std::vector<Move> moves;
    std::unordered_map<std::uint32_t, std::size_t> moveByRange;
    for (std::size_t i = 0; i < states_.size(); ++i) {
        states_[i].visited = true;
        moves.clear();
        moveByRange.clear();
        ForEachState(*states_[i].stateSet, [&](int s) {
            for (const TRE_NFATransition& t : nfa.Transitions(s)) {
                if (t.lo == TRE_NFA::EmptyCode && t.hi == TRE_NFA::EmptyCode)
                    continue;
                const std::uint32_t key = std::uint32_t{t.lo} << 16 | t.hi;
                auto [it, added] = moveByRange.try_emplace(key, moves.size());
                if (added)
                    moves.push_back({t.lo, t.hi, newSet()});
                moves[it->second].targets->Include(t.target);
            }
        });
        std::vector<TRE_DFATransition> transitions;
        for (Move& move : moves) {
            closure(*move.targets);
            const std::size_t bytes = move.targets->ByteSize();
            const int before = StateCount();
            const int target = Register(move.targets, nfa.FinalState());
            if (StateCount() > before)
                kept += bytes + 256 * sizeof(std::int32_t);
            else
                spare.push_back(std::move(move.targets));
            transitions.push_back({move.lo, move.hi, target});
        }
        kept += transitions.size() * sizeof(TRE_DFATransition);
        if (kept > AutomatonLimits().dfaMemory)
            TooComplex();
        std::stable_sort(transitions.begin(), transitions.end(),
                         [](const auto& a, const auto& b) { return a.lo < b.lo; });
        states_[i].transitions = std::move(transitions);
    }
    index_.reset();
    BuildByteTables(nfa.LineHeadCode(), nfa.LineTailCode());
    BuildPrefilter();
}

int TRE_DFA::NextState(int state, std::uint16_t code) const {
    for (const TRE_DFATransition& t : states_[state].transitions) {
        if (code < t.lo)
            return kNone;
        if (code <= t.hi)
            return t.target;
    }
    return kNone;
}

void TRE_DFA::BuildByteTables(std::uint16_t lineHeadCode, std::uint16_t lineTailCode) {
    const std::size_t count = states_.size();
    byteTables_.assign(count * 256, kDead);
    acceptingFlags_.assign(count, 0);
    lineTailFlags_.assign(count, 0);
    lineHeadTargets_.assign(count, kNone);
    // Lead table 0 is the one without any transition, shared by every state and lead byte
    // that leads nowhere. A lead byte whose whole trail range goes to one state (as for '.')
    // shares a table per target; only mixed ones are built and compared byte by byte.
    leadTables_.assign(256, kDead);
    std::unordered_map<int, std::int32_t> uniformIndex;
    std::unordered_map<std::string, std::int32_t> mixedIndex;
    auto addTable = [this](const std::int32_t* entries) {
        const auto index = static_cast<std::int32_t>(leadTables_.size() / 256);
        if (static_cast<std::size_t>(index) >= AutomatonLimits().leadTables)
            TooComplex();
        leadTables_.insert(leadTables_.end(), entries, entries + 256);
        return index;
    };

    std::array<std::int32_t, 256> trails{};
    for (std::size_t s = 0; s < count; ++s) {
        const TRE_DFAState& state = states_[s];
        const std::vector<TRE_DFATransition>& transitions = state.transitions;
        acceptingFlags_[s] = state.accepting;
        lineTailFlags_[s] = NextState(static_cast<int>(s), lineTailCode) != kNone;
        lineHeadTargets_[s] = NextState(static_cast<int>(s), lineHeadCode);
        std::int32_t* table = &byteTables_[s * 256];
        for (const TRE_DFATransition& t : transitions) {
            for (unsigned b = std::max(1u, unsigned{t.lo}); b <= std::min(0xFFu, unsigned{t.hi});
                 ++b) {
                if (!IsLeadByte(static_cast<unsigned char>(b)))
                    table[b] = t.target;
            }
        }
        std::size_t k = 0;
        for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
            if (!IsLeadByte(static_cast<unsigned char>(lead)))
                continue;
            const unsigned first = lead << 8 | 1;
            const unsigned last = lead << 8 | 0xFF;
            while (k < transitions.size() && transitions[k].hi < first)
                ++k;
            std::int32_t index = 0;
            if (k < transitions.size() && transitions[k].lo <= last) {
                const TRE_DFATransition& t = transitions[k];
                if (t.lo <= first && t.hi >= last) {
                    auto [it, added] = uniformIndex.try_emplace(t.target, 0);
                    if (added) {
                        for (unsigned trail = 0; trail < 256; ++trail)
                            trails[trail] =
                                IsTrailByte(static_cast<unsigned char>(trail)) ? t.target : kDead;
                        it->second = addTable(trails.data());
                    }
                    index = it->second;
                } else {
                    trails.fill(kDead);
                    for (std::size_t j = k; j < transitions.size() && transitions[j].lo <= last;
                         ++j) {
                        const unsigned from = std::max(unsigned{transitions[j].lo}, first) & 0xFF;
                        const unsigned to = std::min(unsigned{transitions[j].hi}, last) & 0xFF;
                        for (unsigned trail = from; trail <= to; ++trail) {
                            if (IsTrailByte(static_cast<unsigned char>(trail)))
                                trails[trail] = transitions[j].target;
                        }
                    }
                    std::string key(reinterpret_cast<const char*>(trails.data()), sizeof trails);
                    auto [it, added] = mixedIndex.try_emplace(std::move(key), 0);
                    if (added)
                        it->second = addTable(trails.data());
                    index = it->second;
                }
            }
            table[lead] = -(index + 2);
        }
    }
}

void TRE_DFA::BuildPrefilter() {
    firstBytes_.fill(false);
    literalPrefix_.clear();
    const std::int32_t* initial = ByteTable(InitialState());
    for (unsigned b = 1; b < 256; ++b) {
        const std::int32_t v = initial[b];
        firstBytes_[b] = v >= 0 || (v < kDead && v != -2);
    }
    firstBytesWithAnchors_ = firstBytes_;
    if (lineHeadUsed_ || HasLineTail(InitialState()))
        firstBytesWithAnchors_['\r'] = firstBytesWithAnchors_['\n'] = true;
    auto single = [](const std::array<bool, 256>& bytes) {
        int found = -1;
        for (unsigned b = 1; b < 256; ++b) {
            if (bytes[b]) {
                if (found >= 0)
                    return -1;
                found = static_cast<int>(b);
            }
        }
        return found;
    };
    singleFirstByte_[0] = single(firstBytes_);
    singleFirstByte_[1] = single(firstBytesWithAnchors_);
    int state = InitialState();
    while (literalPrefix_.size() < 32 && !Accepting(state) && !HasLineTail(state)) {
        std::string step;
        int next = kNone;
        int ways = 0;
        const std::int32_t* table = ByteTable(state);
        for (unsigned b = 1; b < 256 && ways <= 1; ++b) {
            const std::int32_t v = table[b];
            if (v >= 0) {
                ++ways;
                step = std::string(1, static_cast<char>(b));
                next = v;
            } else if (v < kDead && v != -2) {
                const std::int32_t* trails = LeadTable(v);
                for (unsigned t = 1; t < 256 && ways <= 1; ++t) {
                    if (trails[t] >= 0) {
                        ++ways;
                        step = {static_cast<char>(b), static_cast<char>(t)};
                        next = trails[t];
                    }
                }
            }
        }
        if (ways != 1)
            break;
        literalPrefix_ += step;
        state = next;
    }
}

} // namespace kes
