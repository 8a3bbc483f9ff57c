#pragma once

#include "toolkit/core/TMethod.h"
#include "toolkit/core/TStrings.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kes {

// A list of rows that keeps, beside each row's text, a parser text, a free integer (the
// tag) and two 32-bit words of packed data.
//
// The rows live in one array with a gap: the free slots sit where the last insertion or
// deletion happened, so typing on one spot of a long text moves only the rows between the
// old and the new spot, not every row behind it. Capacity() is the number of slots
// allocated (rows plus gap). A row is 32 bytes; texts of up to 15 bytes are kept inside it,
// longer ones in a block of exactly their size. Parser texts are rare and live in a pool.
//
// The list keeps the length of the text its rows make and the number of rows that end a
// line, current through every change of a row's text or first packed word, so that reading
// them costs nothing on a long text. It also notes the lowest row any change touched, so that
// a reader of sums over the rows before a row can keep what lies above an edit.
class TheStringList : public TStrings {
public:
    TheStringList() = default;
    ~TheStringList() override;

    std::string Get(int index) const override;
    int GetCapacity() const override { return capacity_; }
    int Capacity() const { return capacity_; }
    int GetCount() const override { return count_; }
    // Replaces the text only; every other field of the row stays.
    void Put(int index, const std::string& s) override;
    // Raises the list error for a capacity below the count.
    void SetCapacity(int capacity) override;

    int Add(const std::string& s) override;
    void Clear() override;
    void Delete(int index) override;
    void Exchange(int a, int b) override;
    void Insert(int index, const std::string& s) override;

    // The text of a row without copying it; valid until the row changes.
    std::string_view View(int index) const;
    // The bytes of every row's text plus the BreakBytes of every row.
    size_t TextLength() const { return textLength_; }
    // The rows whose first packed word says they end a line (EndsLine).
    int LineEnds() const { return lineEnds_; }

    std::string ParserTexts(int index) const;
    void SetParserTexts(int index, std::string_view text);
    int32_t Tags(int index) const;
    void SetTags(int index, int32_t tag);
    uint32_t Words1(int index) const;
    void SetWords1(int index, uint32_t word);
    uint32_t Words2(int index) const;
    void SetWords2(int index, uint32_t word);

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    void SetUpdateState(bool updating) override;
    virtual void Changed();
    virtual void Changing();
    // The bytes a row with this first packed word adds after its text when the rows are
    // joined into one text (its line break); a plain list joins rows with nothing.
    virtual size_t BreakBytes(uint32_t) const { return 0; }
    // Whether a row with this first packed word ends a line; a plain list has no lines.
    virtual bool EndsLine(uint32_t) const { return false; }
    // The lowest row whose text or line end changed, or that was inserted, deleted or moved,
    // since the last call; INT_MAX when none was. The note starts afresh.
    int TakeLowestChanged();

private:
    // A row's text: inline up to 15 bytes, else a pointer and a length. Trivially
    // copyable, so rows move with memmove; the list frees the heap block explicitly.
    class RowText {
    public:
        std::string_view View() const;
        void Set(std::string_view s);
        void Release();

    private:
        static constexpr unsigned char kHeap = 0x80;
        static constexpr size_t kInline = 15;
        alignas(8) unsigned char raw_[16];
    };

    struct Item {
        RowText text;
        uint32_t parserText; // 1 + index into parserTexts_, 0 for none
        int32_t tag;
        uint32_t word1;
        uint32_t word2;
    };
    static_assert(sizeof(Item) == 32);

    void Check(int index) const;
    Item& At(int index) { return items_[index < gapStart_ ? index : index + capacity_ - count_]; }
    const Item& At(int index) const {
        return items_[index < gapStart_ ? index : index + capacity_ - count_];
    }
    void MoveGap(int to);
    void Reallocate(int capacity);
    void ReleaseItem(Item& item);
    void ReleaseAll();
    // Counts a row's word in or out of the kept sums (sign +1 or -1).
    void CountWord(uint32_t word1, int sign);
    void NoteChanged(int index) { lowestChanged_ = std::min(lowestChanged_, index); }

    std::unique_ptr<Item[]> items_;
    int count_ = 0;
    int capacity_ = 0;
    int gapStart_ = 0; // the gap covers slots gapStart_ .. gapStart_ + capacity_ - count_ - 1
    int updateCount_ = 0;
    size_t textLength_ = 0;
    int lineEnds_ = 0;
    int lowestChanged_ = INT_MAX;
    std::vector<std::string> parserTexts_;
    std::vector<uint32_t> freeParserTexts_;
};

} // namespace kes
