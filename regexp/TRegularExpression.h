#pragma once

#include "regexp/TREPreProcessor.h"
#include "regexp/TRE_DFA.h"
#include "toolkit/core/TComponent.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace kes {

// Compiles patterns into automata and keeps the last ones in a small cache, because the find
// highlighting sets the same pattern again for every painted line. Entry 0 of the cache is
// always the empty pattern, which a failed pattern falls back to.
class TRegularExpression : public TComponent {
public:
    static constexpr int kCacheSize = 30;

    explicit TRegularExpression(TComponent* owner);
    ~TRegularExpression() override;

    const std::string& RegExp() const { return regExp_; }
    // Raises ERegExpParser for a pattern fault; the empty pattern is current afterwards.
    virtual void SetRegExp(const std::string& pattern);

    virtual std::uint16_t LineHeadCode() const { return 0xFFFD; }
    virtual std::uint16_t LineTailCode() const { return 0xFFFE; }

    // The automaton searches use.
    const TRE_DFA& DFA() const { return *cache_[current_].dfa; }
    int CurrentIndex() const { return current_; }
    int CacheCount() const { return static_cast<int>(cache_.size()); }
    // The pattern text (after the dictionary pass) of a cache entry.
    const std::string& CachedPattern(int index) const { return cache_[index].pattern; }

    TREPreProcessor& PreProcessor() { return preProcessor_; }
    const TREPreProcessor& PreProcessor() const { return preProcessor_; }

protected:
    virtual void Compile();

private:
    struct Entry {
        std::string pattern;
        std::unique_ptr<TRE_DFA> dfa;
    };

    std::string regExp_;
    std::vector<Entry> cache_;
    int current_ = 0;
    TREPreProcessor preProcessor_;
};

} // namespace kes
