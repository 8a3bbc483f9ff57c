#include "textmodel/TheStringList.h"

#include "toolkit/core/Exception.h"

#include <cstring>
#include <utility>

namespace kes {

std::string_view TheStringList::RowText::View() const {
    if (raw_[15] != kHeap)
        return {reinterpret_cast<const char*>(raw_), raw_[15]};
    const char* data;
    uint32_t size;
    std::memcpy(&data, raw_, sizeof data);
    std::memcpy(&size, raw_ + 8, sizeof size);
    return {data, size};
}

// Release first: the old text is gone before the new one is stored. The caller keeps s
// alive elsewhere (it never points into this row).
void TheStringList::RowText::Set(std::string_view s) {
    if (s.size() <= kInline) {
        std::memcpy(raw_, s.data(), s.size());
        raw_[15] = static_cast<unsigned char>(s.size());
        return;
    }
    char* data = new char[s.size()];
    std::memcpy(data, s.data(), s.size());
    auto size = static_cast<uint32_t>(s.size());
    std::memcpy(raw_, &data, sizeof data);
    std::memcpy(raw_ + 8, &size, sizeof size);
    raw_[15] = kHeap;
}

void TheStringList::RowText::Release() {
    if (raw_[15] == kHeap) {
        char* data;
        std::memcpy(&data, raw_, sizeof data);
        delete[] data;
    }
    raw_[15] = 0;
}

TheStringList::~TheStringList() {
    OnChange = {};
    OnChanging = {};
    ReleaseAll();
}

void TheStringList::Check(int index) const {
    if (index < 0 || index >= count_)
        throw EStringListError(index);
}

std::string TheStringList::Get(int index) const {
    return std::string(View(index));
}

std::string_view TheStringList::View(int index) const {
    Check(index);
    return At(index).text.View();
}

void TheStringList::Put(int index, const std::string& s) {
    Check(index);
    Changing();
    RowText text;
    text.Set(s);
    Item& item = At(index);
    textLength_ = textLength_ - item.text.View().size() + s.size();
    NoteChanged(index);
    item.text.Release();
    item.text = text;
    Changed();
}

void TheStringList::SetCapacity(int capacity) {
    if (capacity < count_)
        throw EStringListError(capacity);
    if (capacity != capacity_)
        Reallocate(capacity);
}

// Moves the gap so that it starts at slot `to`; only the rows between the old and the new
// place of the gap move.
void TheStringList::MoveGap(int to) {
    int gap = capacity_ - count_;
    if (gap == 0 || to == gapStart_) {
        gapStart_ = to;
        return;
    }
    Item* items = items_.get();
    if (to < gapStart_)
        std::memmove(items + to + gap, items + to,
                     sizeof(Item) * static_cast<size_t>(gapStart_ - to));
    else
        std::memmove(items + gapStart_, items + gapStart_ + gap,
                     sizeof(Item) * static_cast<size_t>(to - gapStart_));
    gapStart_ = to;
}

void TheStringList::Reallocate(int capacity) {
    std::unique_ptr<Item[]> items;
    if (capacity > 0)
        items.reset(new Item[static_cast<size_t>(capacity)]);
    int tail = count_ - gapStart_;
    if (count_ > 0) {
        std::memcpy(items.get(), items_.get(), sizeof(Item) * static_cast<size_t>(gapStart_));
        std::memcpy(items.get() + capacity - tail, items_.get() + capacity_ - tail,
                    sizeof(Item) * static_cast<size_t>(tail));
    }
    items_ = std::move(items);
    capacity_ = capacity;
}

int TheStringList::Add(const std::string& s) {
    int index = count_;
    Insert(index, s);
    return index;
}

void TheStringList::Insert(int index, const std::string& s) {
    if (index < 0 || index > count_)
        throw EStringListError(index);
    Changing();
    Item item{};
    item.text.Set(s);
    if (count_ == capacity_) {
        int delta = capacity_ > 64 ? capacity_ / 4 : capacity_ > 8 ? 16 : 4;
        try {
            MoveGap(index);
            Reallocate(capacity_ + delta);
        } catch (...) {
            item.text.Release();
            throw;
        }
    } else {
        MoveGap(index);
    }
    items_[gapStart_] = item;
    ++gapStart_;
    ++count_;
    textLength_ += s.size();
    CountWord(item.word1, +1);
    NoteChanged(index);
    Changed();
}

void TheStringList::Delete(int index) {
    Check(index);
    Changing();
    MoveGap(index);
    Item& item = items_[index + capacity_ - count_];
    textLength_ -= item.text.View().size();
    CountWord(item.word1, -1);
    NoteChanged(index);
    ReleaseItem(item);
    --count_;
    Changed();
}

void TheStringList::Exchange(int a, int b) {
    Check(a);
    Check(b);
    Changing();
    std::swap(At(a), At(b));
    NoteChanged(std::min(a, b));
    Changed();
}

void TheStringList::Clear() {
    if (count_ == 0)
        return;
    Changing();
    ReleaseAll();
    Changed();
}

void TheStringList::ReleaseItem(Item& item) {
    item.text.Release();
    if (item.parserText != 0) {
        parserTexts_[item.parserText - 1].clear();
        freeParserTexts_.push_back(item.parserText - 1);
        item.parserText = 0;
    }
}

void TheStringList::ReleaseAll() {
    for (int i = 0; i < count_; ++i)
        At(i).text.Release();
    items_.reset();
    count_ = 0;
    capacity_ = 0;
    gapStart_ = 0;
    textLength_ = 0;
    lineEnds_ = 0;
    NoteChanged(0);
    parserTexts_.clear();
    freeParserTexts_.clear();
}

std::string TheStringList::ParserTexts(int index) const {
    Check(index);
    uint32_t slot = At(index).parserText;
    return slot == 0 ? std::string() : parserTexts_[slot - 1];
}

void TheStringList::SetParserTexts(int index, std::string_view text) {
    Check(index);
    Item& item = At(index);
    if (text.empty()) {
        if (item.parserText != 0) {
            parserTexts_[item.parserText - 1].clear();
            freeParserTexts_.push_back(item.parserText - 1);
            item.parserText = 0;
        }
        return;
    }
    if (item.parserText == 0) {
        if (freeParserTexts_.empty()) {
            parserTexts_.emplace_back();
            item.parserText = static_cast<uint32_t>(parserTexts_.size());
        } else {
            item.parserText = freeParserTexts_.back() + 1;
            freeParserTexts_.pop_back();
        }
    }
    parserTexts_[item.parserText - 1] = text;
}

int32_t TheStringList::Tags(int index) const {
    Check(index);
    return At(index).tag;
}

void TheStringList::SetTags(int index, int32_t tag) {
    Check(index);
    At(index).tag = tag;
}

uint32_t TheStringList::Words1(int index) const {
    Check(index);
    return At(index).word1;
}

void TheStringList::SetWords1(int index, uint32_t word) {
    Check(index);
    Item& item = At(index);
    if (BreakBytes(word) != BreakBytes(item.word1) || EndsLine(word) != EndsLine(item.word1)) {
        CountWord(item.word1, -1);
        CountWord(word, +1);
        NoteChanged(index);
    }
    item.word1 = word;
}

uint32_t TheStringList::Words2(int index) const {
    Check(index);
    return At(index).word2;
}

void TheStringList::SetWords2(int index, uint32_t word) {
    Check(index);
    At(index).word2 = word;
}

void TheStringList::SetUpdateState(bool updating) {
    if (updating) {
        Changing();
        ++updateCount_;
    } else {
        --updateCount_;
        Changed();
    }
}

void TheStringList::CountWord(uint32_t word1, int sign) {
    if (sign > 0) {
        textLength_ += BreakBytes(word1);
        lineEnds_ += EndsLine(word1) ? 1 : 0;
    } else {
        textLength_ -= BreakBytes(word1);
        lineEnds_ -= EndsLine(word1) ? 1 : 0;
    }
}

int TheStringList::TakeLowestChanged() {
    return std::exchange(lowestChanged_, INT_MAX);
}

void TheStringList::Changed() {
    if (updateCount_ == 0 && OnChange)
        OnChange(this);
}

void TheStringList::Changing() {
    if (updateCount_ == 0 && OnChanging)
        OnChanging(this);
}

} // namespace kes
