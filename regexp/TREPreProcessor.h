#pragma once

#include "regexp/TREScanner.h"
#include "toolkit/core/TObject.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kes {

class TREDictionary;

// Rewrites a pattern before it is parsed: every ordinary character, or run of ordinary
// characters, found in a dictionary row becomes a group of all the row's entries, so that the
// pattern also finds the other spellings. Bracket expressions, escapes' spelling and operators
// pass unchanged.
class TREPreProcessor : public TObject {
public:
    struct Token {
        TREToken kind;
        std::uint16_t symbol;
        std::uint16_t rangeHigh;
        int start; // 1-based position of the first byte of the token's source text
        int end;   // 1-based position after it
    };

    TREPreProcessor() = default;

    void SetText(const std::string& pattern) { scanner_.SetText(pattern); }
    const std::string& Text() const { return scanner_.Text(); }
    // Produces TargetText; raises ERegExpParser for the token faults when a pass is on.
    void Run();
    const std::string& TargetText() const { return target_; }

    std::vector<const TREDictionary*>& SynonymDicList() { return synonymDicList_; }
    std::vector<const TREDictionary*>& FuzzyCharDicList() { return fuzzyCharDicList_; }
    bool UseFuzzyCharDic() const { return useFuzzyCharDic_; }
    void SetUseFuzzyCharDic(bool value) { useFuzzyCharDic_ = value; }
    bool UseSynonymDic() const { return useSynonymDic_; }
    void SetUseSynonymDic(bool value) { useSynonymDic_ = value; }

    const std::vector<Token>& TokenList() const { return tokens_; }

private:
    void Process(const std::vector<const TREDictionary*>& dictionaries);
    void MakeTokenList();
    int ReferToDics(const std::vector<const TREDictionary*>& dictionaries, std::size_t i,
                    std::size_t j);
    std::string SourceOf(const Token& token) const;

    TREScanner scanner_;
    std::string target_;
    std::string replacement_;
    std::vector<Token> tokens_;
    std::vector<const TREDictionary*> synonymDicList_;
    std::vector<const TREDictionary*> fuzzyCharDicList_;
    bool useFuzzyCharDic_ = false;
    bool useSynonymDic_ = false;
};

} // namespace kes
