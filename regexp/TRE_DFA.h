#pragma once

#include "regexp/TRE_NFAStateSet.h"
#include "toolkit/core/TObject.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace kes {

class TRE_NFA;

struct TRE_DFATransition {
    std::uint16_t lo;
    std::uint16_t hi;
    int target;
};

struct TRE_DFAState {
    std::unique_ptr<TRE_NFAStateSet> stateSet;
    bool visited = false;
    bool accepting = false;
    // Sorted by lo; the ranges are pairwise disjoint.
    std::vector<TRE_DFATransition> transitions;
};

// The deterministic automaton built from an NFA by subset construction, over disjoint code
// ranges. For searching it also keeps, per state, a table indexed by the next byte of the
// text, so a search walks bytes instead of decoding characters and searching range lists:
//   entry >= 0         the state after a one-byte character
//   entry == kDead     no transition (also for NUL, which ends the text)
//   entry <= -2        a lead byte: the next byte indexes lead table -(entry + 2); a byte
//                      that cannot be a trail byte (NUL, CR, LF...) leaves the lead byte a
//                      lone one, which has no transition
class TRE_DFA : public TObject {
public:
    static constexpr std::int32_t kDead = -1;
    static constexpr int kNone = -1;

    TRE_DFA();
    ~TRE_DFA() override;

    // Builds every state; raises ERegExpParser when the automaton would outgrow the limits on
    // states and memory.
    void Run(const TRE_NFA& nfa);

    int StateCount() const { return static_cast<int>(states_.size()); }
    const TRE_DFAState& State(int i) const { return states_[i]; }
    int InitialState() const { return 0; }
    bool LineHeadUsed() const { return lineHeadUsed_; }
    bool LineTailUsed() const { return lineTailUsed_; }

    // The state after reading code in state, or kNone.
    int NextState(int state, std::uint16_t code) const;

    const std::int32_t* ByteTable(int state) const { return &byteTables_[state * 256]; }
    const std::int32_t* LeadTable(std::int32_t entry) const {
        return &leadTables_[static_cast<std::size_t>(-(entry + 2)) * 256];
    }
    // The tables of all states and all lead tables, for the matcher's inner loop.
    const std::int32_t* ByteTables() const { return byteTables_.data(); }
    const std::int32_t* LeadTables() const { return leadTables_.data(); }
    const std::uint8_t* AcceptingFlags() const { return acceptingFlags_.data(); }
    bool Accepting(int state) const { return acceptingFlags_[state] != 0; }
    // Whether the state has a transition on the line-tail code.
    bool HasLineTail(int state) const { return lineTailFlags_[state] != 0; }
    int LineHeadTarget(int state) const { return lineHeadTargets_[state]; }

    // What a match must begin with, for skipping ahead in the text: the bytes every match that
    // reads a character from the initial state starts with, and the bytes any character read
    // from the initial state can start with.
    const std::string& LiteralPrefix() const { return literalPrefix_; }
    const std::array<bool, 256>& FirstBytes() const { return firstBytes_; }
    // FirstBytes plus CR and LF when a match may also begin with a line head or a line tail.
    const std::array<bool, 256>& FirstBytesWithAnchors() const { return firstBytesWithAnchors_; }
    // The only byte of FirstBytes (or FirstBytesWithAnchors), or -1 when there are more or none.
    int SingleFirstByte(bool withAnchors) const { return singleFirstByte_[withAnchors ? 1 : 0]; }

private:
    // The state of the set: an existing one (set is left to the caller) or a new one, which
    // takes the set over.
    int Register(std::unique_ptr<TRE_NFAStateSet>& set, int finalState);
    void BuildByteTables(std::uint16_t lineHeadCode, std::uint16_t lineTailCode);
    void BuildPrefilter();

    std::vector<TRE_DFAState> states_;
    bool lineHeadUsed_ = false;
    bool lineTailUsed_ = false;

    std::vector<std::int32_t> byteTables_;
    std::vector<std::int32_t> leadTables_;
    std::vector<std::uint8_t> acceptingFlags_;
    std::vector<std::uint8_t> lineTailFlags_;
    std::vector<int> lineHeadTargets_;
    std::string literalPrefix_;
    std::array<bool, 256> firstBytes_{};
    std::array<bool, 256> firstBytesWithAnchors_{};
    int singleFirstByte_[2] = {-1, -1};

    struct SetIndex;
    std::unique_ptr<SetIndex> index_;
};

} // namespace kes
