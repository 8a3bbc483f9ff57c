#include "textmodel/TRowAttributeStringList.h"

namespace kes {

TRowAttributeData TRowAttributeStringList::RowData(int index) const {
    TRowAttributeData data;
    data.RowAttribute = RowAttributes(index);
    data.PrevRowAttribute = PrevRowAttributes(index);
    data.BracketIndex = BracketIndexes(index);
    data.ParserState = ParserStates(index);
    data.Remain = Remains(index);
    data.ParserValue = ParserValues(index);
    data.StartToken = StartTokens(index);
    data.ParserFlag = ParserFlags(index);
    data.ParserText = ParserTexts(index);
    return data;
}

void TRowAttributeStringList::SetRowData(int index, const TRowAttributeData& data) {
    SetRowAttributes(index, data.RowAttribute);
    SetPrevRowAttributes(index, data.PrevRowAttribute);
    SetBracketIndexes(index, data.BracketIndex);
    SetParserStates(index, data.ParserState);
    SetRemains(index, data.Remain);
    SetParserValues(index, data.ParserValue);
    SetStartTokens(index, data.StartToken);
    SetParserFlags(index, data.ParserFlag);
    SetParserTexts(index, data.ParserText);
}

bool TRowAttributeStringList::RowDataEquals(int index, const TRowAttributeData& data) const {
    auto byte = [](int32_t v) { return static_cast<int>(static_cast<uint32_t>(v) & 0xFF); };
    return PrevRowAttributes(index) == (data.PrevRowAttribute & 0x3) &&
           BracketIndexes(index) == data.BracketIndex &&
           ParserStates(index) == byte(data.ParserState) && Remains(index) == byte(data.Remain) &&
           ParserValues(index) == byte(data.ParserValue) && StartTokens(index) == data.StartToken &&
           ParserFlags(index) == data.ParserFlag && ParserTexts(index) == data.ParserText;
}

void TRowAttributeStringList::ClearRowData(int index) {
    TRowAttributeData notComputed;
    notComputed.RowAttribute = RowAttributes(index);
    notComputed.BracketIndex = -2;
    SetRowData(index, notComputed);
}

} // namespace kes
