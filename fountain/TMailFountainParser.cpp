#include "fountain/TMailFountainParser.h"

#include "fountain/BoardDangerousChars.h"
#include "fountain/TMailFountain.h"

namespace kes {

namespace {

constexpr TTokenKinds kLineKinds{ttComment, ttQuoteLevel1, ttQuoteLevel2, ttQuoteLevel3,
                                 ttQuoteLevel4};

} // namespace

TMailFountainParser::TMailFountainParser(TFountain* fountain)
    : TFountainParser(fountain), mailFountain_(dynamic_cast<TMailFountain*>(fountain)) {}

void TMailFountainParser::InitMethodTable() {
    TFountainParser::InitMethodTable();
    methodTable_['>'] = Proc(&TMailFountainParser::QuotationLevelProc);
    methodTable_['|'] = Proc(&TMailFountainParser::CommentProc);
    methodTable_[0x81] = Proc(&TMailFountainParser::WideSymbolProc);
    for (int b = 0x85; b <= 0x88; ++b)
        methodTable_[b] = Proc(&TMailFountainParser::PlatformDependentProc);
    for (int b = 0xEB; b <= 0xFF; ++b)
        methodTable_[b] = Proc(&TMailFountainParser::PlatformDependentProc);
    tokenMethodTable_[ttPlatformDependent] = Proc(&TMailFountainParser::PlatformDependentProc);
    for (TTokenKind kind : {ttQuoteLevel1, ttQuoteLevel2, ttQuoteLevel3, ttQuoteLevel4})
        tokenMethodTable_[kind] = Proc(&TMailFountainParser::QuotationLevelProc);
}

TTokenKinds TMailFountainParser::OpenEndedKinds() const {
    return kLineKinds;
}

TTokenKinds TMailFountainParser::RestOfLineKinds() const {
    return kLineKinds;
}

// URLs and mail addresses are always recognised.
void TMailFountainParser::DispatchProc() {
    if (bracketIndex_ == -1 && IsBracketProc())
        BracketProc();
    else if (IsUrlProc())
        UrlProc();
    else if (IsMailProc())
        MailProc();
    else
        (this->*methodTable_[Byte()])();
}

void TMailFountainParser::QuotationLevelProc() {
    if (startToken_ >= ttQuoteLevel1 && startToken_ <= ttQuoteLevel4) {
        token_ = static_cast<TTokenKind>(startToken_);
        ConsumeToLineEnd();
        return;
    }
    if (!AtLineStart()) {
        SymbolProc();
        return;
    }
    int marks = 0;
    while (marks < 4) {
        if (*scan_ == '>') {
            ++scan_;
        } else if (Byte() == 0x81 && (Byte(1) == 0x74 || Byte(1) == 0x84)) { // 》 ＞
            scan_ += 2;
        } else {
            break;
        }
        ++marks;
        while (*scan_ == ' ')
            ++scan_;
    }
    token_ = static_cast<TTokenKind>(ttQuoteLevel1 + (marks > 0 ? marks - 1 : 0));
    ConsumeToLineEnd();
}

void TMailFountainParser::CommentProc() {
    if (AtLineStart() || startToken_ == ttComment)
        TFountainParser::CommentProc();
    else
        SymbolProc();
}

void TMailFountainParser::WideSymbolProc() {
    if (AtLineStart() && Byte() == 0x81) {
        switch (Byte(1)) {
        case 0x62: // ｜
            CommentProc();
            return;
        case 0x74: // 》
        case 0x84: // ＞
            QuotationLevelProc();
            return;
        }
    }
    TFountainParser::WideSymbolProc();
}

void TMailFountainParser::PlatformDependentProc() {
    token_ = IsPlatformDependent(Byte(), Byte(1)) ? ttPlatformDependent : ttKanji;
    ConsumeChar();
}

TFountainColor* TMailFountainParser::TokenColor() {
    TMailFountain* f = mailFountain_;
    if (!f)
        return nullptr;
    if (IsReserveWord())
        return f->Reserve();
    switch (token_) {
    case ttBracket:
        if (tokenBracket_ >= 0 && tokenBracket_ < f->Brackets()->Count())
            return f->Brackets()->Items(tokenBracket_)->ItemColor();
        return nullptr;
    case ttComment:
        return f->Comment();
    case ttReserve:
        return f->Reserve();
    case ttHalfKanaSymbol:
    case ttHalfKana:
        return f->Kana();
    case ttUrl:
        return f->Url();
    case ttMail:
        return f->Mail();
    case ttPlatformDependent:
        return f->PlatformDependent();
    case ttQuoteLevel1:
        return f->Quotation1();
    case ttQuoteLevel2:
        return f->Quotation2();
    case ttQuoteLevel3:
        return f->Quotation3();
    case ttQuoteLevel4:
        return f->Quotation4();
    default:
        return nullptr;
    }
}

} // namespace kes
