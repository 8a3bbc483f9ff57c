#pragma once

#include "regexp/TREParseTree.h"
#include "toolkit/core/TObject.h"

#include <cstdint>
#include <vector>

namespace kes {

class TREParser;

struct TRE_NFATransition {
    std::uint16_t lo;
    std::uint16_t hi;
    int target;
};

// The nondeterministic automaton of one parse tree. State 0 is the entry, state 1 the final
// state. An empty transition has the range EmptyCode..EmptyCode; '^' at the start and '$' at the
// end of the pattern become transitions on the line-head and line-tail codes.
class TRE_NFA : public TObject {
public:
    static constexpr std::uint16_t EmptyCode = 0xFFFF;

    TRE_NFA(TREParser& parser, std::uint16_t lineTailCode, std::uint16_t lineHeadCode);

    // Builds the states from the parser's tree; raises ERegExpParser when the tree would need
    // more states than the engine allows (a '+' repeats its operand, so nested '+' double the
    // automaton at every level).
    void Run();

    int EntryState() const { return 0; }
    int FinalState() const { return 1; }
    int StateCount() const { return static_cast<int>(states_.size()); }
    const std::vector<TRE_NFATransition>& Transitions(int state) const { return states_[state]; }
    // The targets of the state's empty transitions, kept apart for the closure computation.
    const std::vector<int>& EmptyTargets(int state) const { return emptyTargets_[state]; }
    bool LineHeadUsed() const { return lineHeadUsed_; }
    bool LineTailUsed() const { return lineTailUsed_; }
    std::uint16_t LineHeadCode() const { return lineHeadCode_; }
    std::uint16_t LineTailCode() const { return lineTailCode_; }

private:
    int NewState();
    void AddTransition(int from, std::uint16_t lo, std::uint16_t hi, int to);
    void AddCharTransition(int from, std::uint16_t lo, std::uint16_t hi, int to);
    void GenerateStateList(const TRENode* node, int from, int to);

    TREParser& parser_;
    std::vector<std::vector<TRE_NFATransition>> states_;
    std::vector<std::vector<int>> emptyTargets_;
    std::size_t transitionCount_ = 0;
    std::uint16_t lineTailCode_;
    std::uint16_t lineHeadCode_;
    bool lineHeadUsed_ = false;
    bool lineTailUsed_ = false;
};

} // namespace kes
