#include "regexp/TRE_NFA.h"

#include "regexp/ERegExpParser.h"
#include "regexp/TREAutomatonLimits.h"
#include "regexp/TREParser.h"
#include "toolkit/core/Exception.h"

#include <algorithm>

namespace kes {

TRE_NFA::TRE_NFA(TREParser& parser, std::uint16_t lineTailCode, std::uint16_t lineHeadCode)
    : parser_(parser), lineTailCode_(lineTailCode), lineHeadCode_(lineHeadCode) {}

int TRE_NFA::NewState() {
    if (states_.size() >= AutomatonLimits().nfaStates)
        throw ERegExpParser(RegExpMessage::TooComplex, 0);
    states_.emplace_back();
    emptyTargets_.emplace_back();
    return static_cast<int>(states_.size()) - 1;
}

void TRE_NFA::AddTransition(int from, std::uint16_t lo, std::uint16_t hi, int to) {
    if (++transitionCount_ > AutomatonLimits().nfaTransitions)
        throw ERegExpParser(RegExpMessage::TooComplex, 0);
    states_[from].push_back({lo, hi, to});
    if (lo == EmptyCode && hi == EmptyCode)
        emptyTargets_[from].push_back(to);
}

// A text holds no code above 0xFCFF (lead byte 0xFC and any trail byte). Ranges are cut off
// there, so that a pattern character such as \xfffd can never pass for a pseudo code.
void TRE_NFA::AddCharTransition(int from, std::uint16_t lo, std::uint16_t hi, int to) {
    constexpr std::uint16_t kHighestTextCode = 0xFCFF;
    if (lo <= kHighestTextCode)
        AddTransition(from, lo, std::min(hi, kHighestTextCode), to);
}

void TRE_NFA::Run() {
    states_.clear();
    emptyTargets_.clear();
    transitionCount_ = 0;
    lineHeadUsed_ = lineTailUsed_ = false;
    const int entry = NewState();
    const int final = NewState();
    GenerateStateList(parser_.ParseTree().Root(), entry, final);
}

// Adds the transitions of one node between two states. The tree may be deep (a long pattern is
// a long chain of concatenations), so the nodes wait on a stack of their own rather than on the
// call stack.
void TRE_NFA::GenerateStateList(const TRENode* root, int from, int to) {
    struct Work {
        const TRENode* node;
        int from;
        int to;
    };
    std::vector<Work> work{{root, from, to}};
    while (!work.empty()) {
        const Work w = work.back();
        work.pop_back();
        const TRENode* node = w.node;
        if (node == nullptr)
            throw Exception("This cannot happen in TRE_NFA.GenerateStateList");
        switch (node->kind) {
        case reop_Char:
            AddCharTransition(w.from, node->lo, node->hi, w.to);
            break;
        case reop_LHead:
            if (w.from == EntryState()) {
                AddTransition(w.from, lineHeadCode_, lineHeadCode_, w.to);
                lineHeadUsed_ = true;
            } else {
                AddCharTransition(w.from, node->lo, node->hi, w.to);
            }
            break;
        case reop_LTail:
            if (w.to == FinalState()) {
                AddTransition(w.from, lineTailCode_, lineTailCode_, w.to);
                lineTailUsed_ = true;
            } else {
                AddCharTransition(w.from, node->lo, node->hi, w.to);
            }
            break;
        case reop_Concat: {
            const int middle = NewState();
            work.push_back({node->right, middle, w.to});
            work.push_back({node->left, w.from, middle});
            break;
        }
        case reop_Union:
            work.push_back({node->right, w.from, w.to});
            work.push_back({node->left, w.from, w.to});
            break;
        case reop_Closure: {
            const int c = NewState();
            const int d = NewState();
            AddTransition(w.from, EmptyCode, EmptyCode, c);
            AddTransition(d, EmptyCode, EmptyCode, c);
            AddTransition(c, EmptyCode, EmptyCode, w.to);
            work.push_back({node->left, c, d});
            break;
        }
        case reop_Empty:
            AddTransition(w.from, EmptyCode, EmptyCode, w.to);
            break;
        default:
            throw Exception("This cannot happen in TRE_NFA.GenerateStateList");
        }
    }
}

} // namespace kes
