#pragma once

#include "toolkit/core/TObject.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

namespace kes {

// A set of NFA states as a bit set sized for the automaton it belongs to.
class TRE_NFAStateSet : public TObject {
public:
    explicit TRE_NFAStateSet(int stateCount)
        : words_(static_cast<std::size_t>(stateCount) / 64 + 1) {}

    void Include(int state) { words_[Word(state)] |= Bit(state); }
    void Clear() { std::fill(words_.begin(), words_.end(), 0); }
    bool Has(int state) const { return (words_[Word(state)] & Bit(state)) != 0; }
    bool Equals(const TRE_NFAStateSet& other) const { return words_ == other.words_; }
    std::size_t ByteSize() const { return words_.size() * sizeof(std::uint64_t); }
    std::size_t WordCount() const { return words_.size(); }
    std::uint64_t WordAt(std::size_t i) const { return words_[i]; }
    std::string_view Bytes() const {
        return {reinterpret_cast<const char*>(words_.data()), ByteSize()};
    }

private:
    static std::size_t Word(int state) { return static_cast<std::size_t>(state) / 64; }
    static std::uint64_t Bit(int state) { return std::uint64_t{1} << (state % 64); }

    std::vector<std::uint64_t> words_;
};

} // namespace kes
