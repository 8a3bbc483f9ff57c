#include "regexp/TAWKStr.h"

#include "regexp/FuzzyCharDic.h"
#include "toolkit/core/ScopeGuard.h"

#include <cstring>

namespace kes {

TAWKStr::TAWKStr(TComponent* owner) : TMatchCORE(owner) {
    PreProcessor().FuzzyCharDicList().push_back(&FuzzyCharDic());
}

TAWKStr::MatchRoutine TAWKStr::FirstRoutine() const {
    const TRE_DFA& dfa = DFA();
    if (dfa.LineHeadUsed() || dfa.LineTailUsed())
        return &TMatchCORE::MatchFirstAnchored;
    return &TMatchCORE::MatchFirst;
}

void TAWKStr::SetRegExp(const std::string& pattern) {
    // A failed pattern leaves the matcher as it now is: the routine follows it either way.
    WithCleanup([&] { TMatchCORE::SetRegExp(pattern); }, [this] { matchProc_ = FirstRoutine(); });
}

void TAWKStr::SetUseFuzzyCharDic(bool value) {
    PreProcessor().SetUseFuzzyCharDic(value);
    SetRegExp(RegExp());
}

void TAWKStr::SetUseSynonymDic(bool value) {
    PreProcessor().SetUseSynonymDic(value);
    SetRegExp(RegExp());
}

TMatchRange TAWKStr::Match(const char* text) const {
    return (this->*matchProc_)(text, text + std::strlen(text));
}

} // namespace kes
