#include "fountain/TEditorParser.h"

#include "fountain/TEditorFountain.h"
#include "toolkit/core/Cp932.h"

namespace kes {

namespace {

unsigned char AsciiUpper(unsigned char b) {
    return b >= 'a' && b <= 'z' ? b - 'a' + 'A' : b;
}
bool IsDigit(unsigned char b) {
    return b >= '0' && b <= '9';
}

} // namespace

TEditorParser::TEditorParser(TFountain* fountain)
    : TFountainParser(fountain), editorFountain_(dynamic_cast<TEditorFountain*>(fountain)) {}

void TEditorParser::InitMethodTable() {
    TFountainParser::InitMethodTable();
    tokenMethodTable_[ttQuoted] = Proc(&TEditorParser::QuotationProc);
    tokenMethodTable_[ttControlCode] = Proc(&TEditorParser::ControlCodeProc);
    tokenMethodTable_[ttControlCodeHex] = Proc(&TEditorParser::ControlCodeHexProc);
}

TTokenKinds TEditorParser::OpenEndedKinds() const {
    return TFountainParser::OpenEndedKinds() + TTokenKinds{ttQuoted};
}

void TEditorParser::DispatchProc() {
    const TEditorFountain* f = editorFountain_;
    if (bracketIndex_ == -1 && IsBracketProc())
        BracketProc();
    else if (f && f->Mail() && IsMailProc())
        MailProc();
    else if (f && f->Url() && IsUrlProc())
        UrlProc();
    else if (IsCommenterProc())
        CommentProc();
    else if (IsQuotationProc())
        QuotationProc();
    else if (IsControlCodeHexProc())
        ControlCodeHexProc();
    else if (IsControlCodeProc())
        ControlCodeProc();
    else if (IsHexPrefixProc())
        HexProc();
    else
        (this->*methodTable_[Byte()])();
}

bool TEditorParser::IsCommenterProc() {
    if (!editorFountain_ || editorFountain_->Commenter().empty() ||
        !MatchAt(editorFountain_->Commenter()))
        return false;
    scan_ += editorFountain_->Commenter().size();
    return true;
}

bool TEditorParser::IsQuotationProc() {
    if (!editorFountain_ || editorFountain_->Quotation().empty() ||
        *scan_ != editorFountain_->Quotation()[0])
        return false;
    ++scan_;
    return true;
}

// A doubled quotation character stays inside the string.
void TEditorParser::QuotationProc() {
    if (!editorFountain_ || editorFountain_->Quotation().empty()) {
        token_ = ttEnd;
        return;
    }
    token_ = ttQuoted;
    ScanToClosingQuote(editorFountain_->Quotation()[0]);
}

bool TEditorParser::IsControlCodeHexProc() {
    if (!editorFountain_ || !editorFountain_->ControlCode() || !MatchAt("#$"))
        return false;
    scan_ += 2;
    return true;
}

void TEditorParser::ControlCodeHexProc() {
    token_ = ttControlCodeHex;
    while (HexDigitValue(Byte()) >= 0)
        ++scan_;
}

bool TEditorParser::IsControlCodeProc() {
    if (!editorFountain_ || !editorFountain_->ControlCode() || *scan_ != '#')
        return false;
    ++scan_;
    return true;
}

void TEditorParser::ControlCodeProc() {
    token_ = ttControlCode;
    while (IsDigit(Byte()))
        ++scan_;
}

bool TEditorParser::IsHexPrefixProc() {
    if (!editorFountain_ || editorFountain_->HexPrefix().empty())
        return false;
    const std::string& prefix = editorFountain_->HexPrefix();
    for (size_t i = 0; i < prefix.size(); ++i) {
        auto b = static_cast<unsigned char>(scan_[i]);
        if (b == 0 || AsciiUpper(b) != AsciiUpper(static_cast<unsigned char>(prefix[i])))
            return false;
    }
    scan_ += prefix.size();
    return true;
}

TFountainColor* TEditorParser::TokenColor() {
    if (!editorFountain_)
        return nullptr;
    TEditorColors* colors = editorFountain_->Colors();
    if (IsReserveWord())
        return colors->Reserve();
    switch (token_) {
    case ttSymbol:
        return colors->Symbol();
    case ttInteger:
    case ttFloat:
    case ttHex:
        return colors->Int();
    case ttBracket:
        if (tokenBracket_ >= 0 && tokenBracket_ < editorFountain_->Brackets()->Count())
            return editorFountain_->Brackets()->Items(tokenBracket_)->ItemColor();
        return nullptr;
    case ttComment:
        return colors->Comment();
    case ttReserve:
        return colors->Reserve();
    case ttAnk:
        return colors->Ank();
    case ttWideSymbol:
    case ttWideDigit:
    case ttWideLatin:
    case ttHiragana:
    case ttKatakana:
    case ttKanji:
    case ttHalfKanaSymbol:
    case ttHalfKana:
        return colors->DBCS();
    case ttUrl:
        return colors->Url();
    case ttMail:
        return colors->Mail();
    case ttQuoted:
    case ttControlCode:
    case ttControlCodeHex:
        return colors->Str();
    default:
        return nullptr;
    }
}

} // namespace kes
