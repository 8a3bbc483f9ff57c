#pragma once

#include "regexp/TMatchCORE.h"

namespace kes {

// The matcher component the editor uses: a TMatchCORE with the built-in fuzzy character
// dictionary registered, switches for the dictionary passes, and the search routine that suits
// the current pattern.
class TAWKStr : public TMatchCORE {
public:
    using MatchRoutine = TMatchRange (TMatchCORE::*)(const char*, const char*) const;

    explicit TAWKStr(TComponent* owner);

    void SetRegExp(const std::string& pattern) override;

    bool UseFuzzyCharDic() const { return PreProcessor().UseFuzzyCharDic(); }
    void SetUseFuzzyCharDic(bool value);
    bool UseSynonymDic() const { return PreProcessor().UseSynonymDic(); }
    void SetUseSynonymDic(bool value);

    // MatchFirstAnchored when the pattern uses '^' or '$' as anchors, else MatchFirst.
    MatchRoutine MatchProc() const { return matchProc_; }
    TMatchRange Match(const char* text) const;

protected:
    // The routine that starts a search with the current automaton.
    MatchRoutine FirstRoutine() const;

private:
    MatchRoutine matchProc_ = &TMatchCORE::MatchFirst;
};

} // namespace kes
