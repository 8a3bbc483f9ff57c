#pragma once

#include "textmodel/TRowAttribute.h"
#include "textmodel/TRowAttributeData.h"
#include "textmodel/TheStringList.h"

#include <cstdint>

namespace kes {

// The marks of one row: bit n set for mark n (0..15; the editor uses 0..9).
using TRowMarks = uint16_t;

// Names the bits of the two packed words of every row:
//   word 1: bits 0-1 row attribute, 2-3 previous row's attribute, 4-7 bracket index + 2,
//           8-15 parser state, 16-23 remain, 24-31 parser value;
//   word 2: bits 0-7 start token, 8-15 parser flag, 16-31 row marks.
// Each setter changes only its own bits. Byte fields keep the low 8 bits of the value.
class TRowAttributeStringList : public TheStringList {
public:
    TRowAttribute RowAttributes(int index) const {
        return static_cast<TRowAttribute>(Words1(index) & 0x3);
    }
    void SetRowAttributes(int index, TRowAttribute value) { SetBits1(index, 0, 0x3, value); }
    TRowAttribute PrevRowAttributes(int index) const {
        return static_cast<TRowAttribute>((Words1(index) >> 2) & 0x3);
    }
    void SetPrevRowAttributes(int index, TRowAttribute value) { SetBits1(index, 2, 0x3, value); }
    // -2 (stored 0: the row's parse state is not computed) to 13.
    int BracketIndexes(int index) const { return static_cast<int>((Words1(index) >> 4) & 0xF) - 2; }
    void SetBracketIndexes(int index, int value) {
        SetBits1(index, 4, 0xF, static_cast<uint32_t>(value + 2));
    }
    int ParserStates(int index) const { return static_cast<int>((Words1(index) >> 8) & 0xFF); }
    void SetParserStates(int index, int value) {
        SetBits1(index, 8, 0xFF, static_cast<uint32_t>(value));
    }
    int Remains(int index) const { return static_cast<int>((Words1(index) >> 16) & 0xFF); }
    void SetRemains(int index, int value) {
        SetBits1(index, 16, 0xFF, static_cast<uint32_t>(value));
    }
    int ParserValues(int index) const { return static_cast<int>(Words1(index) >> 24); }
    void SetParserValues(int index, int value) {
        SetBits1(index, 24, 0xFF, static_cast<uint32_t>(value));
    }

    uint8_t StartTokens(int index) const { return static_cast<uint8_t>(Words2(index)); }
    void SetStartTokens(int index, int value) {
        SetBits2(index, 0, 0xFF, static_cast<uint32_t>(value));
    }
    uint8_t ParserFlags(int index) const { return static_cast<uint8_t>(Words2(index) >> 8); }
    void SetParserFlags(int index, int value) {
        SetBits2(index, 8, 0xFF, static_cast<uint32_t>(value));
    }
    TRowMarks RowMarks(int index) const { return static_cast<TRowMarks>(Words2(index) >> 16); }
    void SetRowMarks(int index, TRowMarks marks) { SetBits2(index, 16, 0xFFFF, marks); }

    // The whole parse state of a row, unpacked, and stored (the row attribute with it; the
    // marks stay).
    TRowAttributeData RowData(int index) const;
    void SetRowData(int index, const TRowAttributeData& data);
    // Whether the row holds the state a parser would read of data: everything but the row's
    // own attribute, the integers as their stored bytes.
    bool RowDataEquals(int index, const TRowAttributeData& data) const;
    // Marks the row's parse state not computed; its attribute and marks stay.
    void ClearRowData(int index);

protected:
    // A raLineEnd row is followed by CR LF in the text.
    size_t BreakBytes(uint32_t word1) const override { return (word1 & 0x3) == raLineEnd ? 2 : 0; }
    // Every row but a word-wrapped one ends its line (the last row ends the text).
    bool EndsLine(uint32_t word1) const override { return (word1 & 0x3) != raContinued; }

private:
    void SetBits1(int index, int shift, uint32_t mask, uint32_t value) {
        SetWords1(index, (Words1(index) & ~(mask << shift)) | ((value & mask) << shift));
    }
    void SetBits2(int index, int shift, uint32_t mask, uint32_t value) {
        SetWords2(index, (Words2(index) & ~(mask << shift)) | ((value & mask) << shift));
    }
};

} // namespace kes
