#include "regexp/TRegularExpression.h"

#include "regexp/TREParser.h"
#include "regexp/TRE_NFA.h"

namespace kes {

TRegularExpression::TRegularExpression(TComponent* owner) : TComponent(owner) {
    cache_.push_back({std::string(), nullptr});
    current_ = 0;
    Compile();
}

TRegularExpression::~TRegularExpression() = default;

void TRegularExpression::SetRegExp(const std::string& pattern) {
    preProcessor_.SetText(pattern);
    preProcessor_.Run();
    const std::string key = preProcessor_.TargetText();
    try {
        int found = -1;
        for (int i = 0; i < CacheCount(); ++i) {
            if (cache_[i].pattern == key) {
                found = i;
                break;
            }
        }
        if (found >= 0) {
            current_ = found;
        } else {
            if (CacheCount() >= kCacheSize)
                cache_.pop_back();
            cache_.insert(cache_.begin() + 1, Entry{key, nullptr});
            current_ = 1;
            Compile();
        }
        regExp_ = pattern;
    } catch (...) {
        current_ = 0;
        regExp_.clear();
        throw;
    }
}

void TRegularExpression::Compile() {
    try {
        TREParser parser(cache_[current_].pattern);
        parser.Run();
        TRE_NFA nfa(parser, LineTailCode(), LineHeadCode());
        nfa.Run();
        auto dfa = std::make_unique<TRE_DFA>();
        dfa->Run(nfa);
        cache_[current_].dfa = std::move(dfa);
    } catch (...) {
        if (current_ != 0)
            cache_.erase(cache_.begin() + current_);
        current_ = 0;
        throw;
    }
}

} // namespace kes
