#include "regexp/TREPreProcessor.h"

#include "regexp/TREDictionary.h"

namespace kes {

void TREPreProcessor::Run() {
    target_ = scanner_.Text();
    if (useSynonymDic_) {
        Process(synonymDicList_);
        scanner_.SetText(target_);
    }
    if (useFuzzyCharDic_)
        Process(fuzzyCharDicList_);
}

// The scanner starts outside brackets even when an earlier pattern failed inside them.
void TREPreProcessor::MakeTokenList() {
    tokens_.clear();
    scanner_.SetText(scanner_.Text());
    scanner_.LeaveBracket();
    for (;;) {
        const int start = scanner_.Position();
        const TREToken kind = scanner_.GetToken();
        if (kind == retk_End) {
            tokens_.push_back({retk_End, 0, 0, 0, 0});
            return;
        }
        tokens_.push_back(
            {kind, scanner_.Symbol(), scanner_.RangeHigh(), start, scanner_.Position()});
    }
}

std::string TREPreProcessor::SourceOf(const Token& token) const {
    return scanner_.Text().substr(static_cast<std::size_t>(token.start - 1),
                                  static_cast<std::size_t>(token.end - token.start));
}

void TREPreProcessor::Process(const std::vector<const TREDictionary*>& dictionaries) {
    target_.clear();
    MakeTokenList();
    bool inBracket = false;
    std::size_t i = 0;
    while (tokens_[i].kind != retk_End) {
        const Token& token = tokens_[i];
        if (token.kind == retk_LBra || token.kind == retk_LBraNeg)
            inBracket = true;
        else if (token.kind == retk_RBra)
            inBracket = false;
        if (token.kind != retk_Char || inBracket) {
            target_ += SourceOf(token);
            ++i;
            continue;
        }
        std::size_t j = i;
        while (tokens_[j].kind == retk_Char)
            ++j;
        while (i < j) {
            const int next = ReferToDics(dictionaries, i, j);
            if (next < 0) {
                target_ += SourceOf(tokens_[i]);
                ++i;
            } else {
                target_ += replacement_;
                i = static_cast<std::size_t>(next);
            }
        }
    }
}

// Looks for the first entry, in dictionary, row and entry order, whose characters are the codes
// of the tokens from i on (before j). Returns the index after the matched tokens and leaves the
// row's group in replacement_, or returns -1.
int TREPreProcessor::ReferToDics(const std::vector<const TREDictionary*>& dictionaries,
                                 std::size_t i, std::size_t j) {
    for (const TREDictionary* dictionary : dictionaries) {
        for (int r = 0; r < dictionary->RowCount(); ++r) {
            const TREDictionary::Row& row = dictionary->Rows(r);
            for (const std::vector<std::uint16_t>& entry : row.codes) {
                if (entry.empty() || entry.size() > j - i)
                    continue;
                std::size_t k = 0;
                while (k < entry.size() && tokens_[i + k].symbol == entry[k])
                    ++k;
                if (k == entry.size()) {
                    replacement_ = row.replacement;
                    return static_cast<int>(i + k);
                }
            }
        }
    }
    return -1;
}

} // namespace kes
