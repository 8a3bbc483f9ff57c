#include "fountain/TFountainParser.h"

#include "fountain/TFountain.h"
#include "toolkit/core/Cp932.h"
#include "toolkit/core/Exception.h"

namespace kes {

namespace {

const char kEmptyRow[] = "";
constexpr int kMaxRemain = 255;

bool InRange(unsigned char b, unsigned char lo, unsigned char hi) {
    return b >= lo && b <= hi;
}
bool IsDigit(unsigned char b) {
    return InRange(b, '0', '9');
}
bool IsAnkChar(unsigned char b) {
    return IsDigit(b) || InRange(b, 'A', 'Z') || InRange(b, 'a', 'z') || b == '_';
}

// Byte classes of URLs and mail addresses, one bit per byte.
struct ByteSet {
    bool bits[256] = {};
    constexpr ByteSet(const char* singles, bool withAlnum) {
        for (const char* p = singles; *p; ++p)
            bits[static_cast<unsigned char>(*p)] = true;
        if (withAlnum)
            for (int b = 0; b < 256; ++b)
                if ((b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z'))
                    bits[b] = true;
    }
    bool operator[](unsigned char b) const { return bits[b]; }
};

constexpr ByteSet kUrlChars("#%&+-./:=?_~", true);
constexpr ByteSet kMailChars("!$%&*,-./;=?@^_~", true);

} // namespace

TFountainParser::TFountainParser(TFountain* fountain)
    : textStart_(kEmptyRow), scan_(kEmptyRow), tokenStart_(kEmptyRow), nextPos_(kEmptyRow),
      fountain_(fountain) {
    if (!fountain)
        throw Exception("TFountainParser.Create need instance of TFountain");
}

TFountainParser::~TFountainParser() = default;

// The tables are filled before the first row rather than in the constructor: a constructor
// cannot reach a descendant's InitMethodTable, and the descendant's entries must be in place.
void TFountainParser::NewData(const char* text, const TRowAttributeData& data) {
    if (!tablesFilled_) {
        InitMethodTable();
        tablesFilled_ = true;
    }
    textStart_ = scan_ = tokenStart_ = nextPos_ = text;
    tokenBracket_ = -2;
    continuing_ = false;
    rowAttribute_ = data.RowAttribute;
    prevRowAttribute_ = data.PrevRowAttribute;
    bracketIndex_ = data.BracketIndex;
    parserState_ = data.ParserState;
    remain_ = data.Remain;
    parserValue_ = data.ParserValue;
    startToken_ = data.StartToken;
    parserFlag_ = data.ParserFlag;
    parserText_ = data.ParserText;
}

void TFountainParser::InitMethodTable() {
    methodTable_.fill(&TFountainParser::SymbolProc);
    methodTable_[0x00] = &TFountainParser::EndProc;
    methodTable_[0x09] = &TFountainParser::TabProc;
    methodTable_[0x0A] = &TFountainParser::LFProc;
    methodTable_[0x0D] = &TFountainParser::CRProc;
    for (int b = '0'; b <= '9'; ++b)
        methodTable_[b] = &TFountainParser::NumberProc;
    for (int b = 'A'; b <= 'Z'; ++b)
        methodTable_[b] = &TFountainParser::AnkProc;
    for (int b = 'a'; b <= 'z'; ++b)
        methodTable_[b] = &TFountainParser::AnkProc;
    methodTable_['_'] = &TFountainParser::AnkProc;
    methodTable_[0x81] = &TFountainParser::WideSymbolProc;
    for (int b = 0x84; b <= 0x87; ++b)
        methodTable_[b] = &TFountainParser::WideSymbolProc;
    methodTable_[0x82] = &TFountainParser::WideCharProc;
    methodTable_[0x83] = &TFountainParser::WideCharProc;
    for (int b = 0x88; b <= 0x9F; ++b)
        methodTable_[b] = &TFountainParser::KanjiProc;
    for (int b = 0xE0; b <= 0xFC; ++b)
        methodTable_[b] = &TFountainParser::KanjiProc;
    for (int b = 0xA1; b <= 0xA5; ++b)
        methodTable_[b] = &TFountainParser::HalfKanaSymbolProc;
    for (int b = 0xA6; b <= 0xDF; ++b)
        methodTable_[b] = &TFountainParser::HalfKanaProc;

    tokenMethodTable_.fill(&TFountainParser::SymbolProc);
    tokenMethodTable_[ttInteger] = &TFountainParser::NumberProc;
    tokenMethodTable_[ttFloat] = &TFountainParser::NumberProc;
    tokenMethodTable_[ttBracket] = &TFountainParser::BracketProc;
    tokenMethodTable_[ttComment] = &TFountainParser::CommentProc;
    tokenMethodTable_[ttReserve] = &TFountainParser::ReserveProc;
    tokenMethodTable_[ttAnk] = &TFountainParser::AnkProc;
    tokenMethodTable_[ttWideSymbol] = &TFountainParser::WideSymbolProc;
    for (TTokenKind kind : {ttWideDigit, ttWideLatin, ttHiragana, ttKatakana})
        tokenMethodTable_[kind] = &TFountainParser::WideCharProc;
    tokenMethodTable_[ttKanji] = &TFountainParser::KanjiProc;
    tokenMethodTable_[ttHalfKanaSymbol] = &TFountainParser::HalfKanaSymbolProc;
    tokenMethodTable_[ttHalfKana] = &TFountainParser::HalfKanaProc;
    tokenMethodTable_[ttUrl] = &TFountainParser::UrlProc;
    tokenMethodTable_[ttMail] = &TFountainParser::MailProc;
    tokenMethodTable_[ttHex] = &TFountainParser::HexProc;
    tokenMethodTable_[ttSingleQuoted] = &TFountainParser::SingleQuotedProc;
    tokenMethodTable_[ttDoubleQuoted] = &TFountainParser::DoubleQuotedProc;
}

TTokenKind TFountainParser::NextToken() {
    SkipBlanks();
    scan_ = tokenStart_ = nextPos_;
    continuing_ = startToken_ != 0;
    if (IsLineEnd(*scan_))
        token_ = ttEnd;
    else if (startToken_ != 0)
        ContinueProc();
    else if (bracketIndex_ < 0)
        DispatchProc();
    else
        BracketProc();
    nextPos_ = scan_;
    return token_;
}

void TFountainParser::SkipBlanks() {
    for (;;) {
        auto b = static_cast<unsigned char>(*nextPos_);
        if (!InRange(b, 0x01, 0x08) && !InRange(b, 0x0A, 0x20))
            return;
        ++nextPos_;
    }
}

void TFountainParser::ContinueProc() {
    if (remain_ > 0) {
        token_ = static_cast<TTokenKind>(startToken_);
        // A stored count never carries the scan past the end of the row.
        for (int i = 0; i < remain_ && *scan_ != '\0'; ++i)
            ++scan_;
        if (token_ == ttBracket) {
            tokenBracket_ = bracketIndex_;
            bracketIndex_ = -1;
        }
    } else {
        (this->*tokenMethodTable_[startToken_])();
    }
    startToken_ = 0;
    remain_ = 0;
}

void TFountainParser::DispatchProc() {
    if (bracketIndex_ == -1 && IsBracketProc())
        BracketProc();
    else
        (this->*methodTable_[Byte()])();
}

void TFountainParser::ConsumeChar() {
    scan_ += CharLength(scan_);
}

bool TFountainParser::MatchAt(std::string_view s) const {
    for (size_t i = 0; i < s.size(); ++i)
        if (scan_[i] == '\0' || scan_[i] != s[i])
            return false;
    return true;
}

void TFountainParser::ConsumeToLineEnd() {
    while (!IsLineEnd(*scan_))
        ++scan_;
}

bool TFountainParser::IsBracketProc() {
    TFountainBracketCollection* brackets = fountain_->Brackets();
    for (int i = 0; i < brackets->Count(); ++i) {
        const std::string& left = brackets->Items(i)->LeftBracket();
        if (!left.empty() && MatchAt(left)) {
            bracketIndex_ = i;
            scan_ += left.size();
            return true;
        }
    }
    return false;
}

void TFountainParser::BracketProc() {
    TFountainBracketCollection* brackets = fountain_->Brackets();
    int n = bracketIndex_;
    if (n < 0 || n >= brackets->Count() || brackets->Items(n)->RightBracket().empty()) {
        token_ = ttEnd;
        return;
    }
    const std::string& right = brackets->Items(n)->RightBracket();
    token_ = ttBracket;
    tokenBracket_ = n;
    while (!IsLineEnd(*scan_)) {
        if (MatchAt(right)) {
            scan_ += right.size();
            bracketIndex_ = -1;
            return;
        }
        ConsumeChar();
    }
}

bool TFountainParser::IsUrlProc() {
    std::string_view prefixes[2];
    switch (*scan_) {
    case 'f':
        prefixes[0] = "ftp:";
        break;
    case 'h':
        prefixes[0] = "http:";
        prefixes[1] = "https:";
        break;
    case 'w':
        prefixes[0] = "www.";
        break;
    default:
        return false;
    }
    for (std::string_view prefix : prefixes) {
        if (!prefix.empty() && MatchAt(prefix)) {
            scan_ += prefix.size();
            return true;
        }
    }
    return false;
}

void TFountainParser::UrlProc() {
    token_ = ttUrl;
    while (kUrlChars[Byte()])
        ++scan_;
}

bool TFountainParser::IsMailProc() {
    if (!kMailChars[Byte()] || *scan_ == '@')
        return false;
    bool at = false;
    for (const char* p = scan_; kMailChars[static_cast<unsigned char>(*p)]; ++p) {
        if (*p == '@') {
            at = true;
        } else if (*p == '.' && at) {
            scan_ = p + 1;
            return true;
        }
    }
    return false;
}

void TFountainParser::MailProc() {
    token_ = ttMail;
    while (kMailChars[Byte()])
        ++scan_;
}

void TFountainParser::ReserveProc() {
    (this->*methodTable_[Byte()])();
    token_ = ttReserve;
}

void TFountainParser::EndProc() {
    token_ = ttEnd;
}

void TFountainParser::TabProc() {
    token_ = ttTab;
    ++scan_;
}

void TFountainParser::LFProc() {
    token_ = ttEnd;
    if (*scan_ == '\n')
        ++scan_;
}

void TFountainParser::CRProc() {
    token_ = ttEnd;
    if (*scan_ == '\r')
        ++scan_;
    if (*scan_ == '\n')
        ++scan_;
}

void TFountainParser::CommentProc() {
    token_ = ttComment;
    ConsumeToLineEnd();
}

void TFountainParser::HexProc() {
    token_ = ttHex;
    while (HexDigitValue(Byte()) >= 0)
        ++scan_;
}

void TFountainParser::AnkProc() {
    token_ = ttAnk;
    while (IsAnkChar(Byte()))
        ++scan_;
}

void TFountainParser::NumberProc() {
    token_ = ttInteger;
    while (IsDigit(Byte()))
        ++scan_;
    auto exponent = [this] {
        ++scan_; // the E, even when no digit follows
        if (*scan_ == '+' || *scan_ == '-')
            ++scan_;
        while (IsDigit(Byte()))
            ++scan_;
    };
    if (*scan_ == '.') {
        token_ = ttFloat;
        if (IsDigit(Byte(1))) {
            ++scan_;
            while (IsDigit(Byte()))
                ++scan_;
            if (*scan_ == 'E' || *scan_ == 'e')
                exponent();
        } else if (scan_[1] == 'E' || scan_[1] == 'e') {
            ++scan_;
            exponent();
        }
    } else if (*scan_ == 'E' || *scan_ == 'e') {
        token_ = ttFloat;
        exponent();
    }
}

void TFountainParser::WideSymbolProc() {
    token_ = ttWideSymbol;
    unsigned char lead = Byte();
    unsigned char trail = Byte(1);
    bool symbol = lead == 0x81 || InRange(lead, 0x84, 0x87) ||
                  (lead == 0x83 && InRange(trail, 0x97, 0xF0)) ||
                  (lead == 0x82 && (InRange(trail, 0x40, 0x4E) || InRange(trail, 0x59, 0x5F) ||
                                    InRange(trail, 0x7A, 0x80) || InRange(trail, 0x9B, 0x9E) ||
                                    InRange(trail, 0xF2, 0xFF)));
    if (symbol)
        ConsumeChar();
}

namespace {

// Whether the character lead/trail goes on a run of full-width digits, letters, hiragana
// or katakana.
bool InWideRun(uint8_t kind, unsigned char lead, unsigned char trail) {
    switch (kind) {
    case ttWideDigit:
        return (lead == 0x82 && InRange(trail, 0x4F, 0x58)) ||
               (lead == 0x81 && InRange(trail, 0x43, 0x44)); // ， ．
    case ttWideLatin:
        return lead == 0x82 && (InRange(trail, 0x60, 0x79) || InRange(trail, 0x81, 0x9A));
    case ttHiragana:
        return (lead == 0x82 && InRange(trail, 0x9F, 0xF1)) ||
               (lead == 0x81 && (trail == 0x5B || trail == 0x7C)); // ー －
    case ttKatakana:
        return (lead == 0x83 && InRange(trail, 0x40, 0x96)) ||
               (lead == 0x81 && (trail == 0x5B || trail == 0x7C));
    default:
        return false;
    }
}

} // namespace

void TFountainParser::WideCharProc() {
    unsigned char lead = Byte();
    unsigned char trail = Byte(1);
    // A run carried over from the row above goes on with any of its characters, also with
    // those that could not start it ("，" in digits, "ー" in kana).
    TTokenKind kind = continuing_ && InWideRun(startToken_, lead, trail)
                          ? static_cast<TTokenKind>(startToken_)
                          : ttEnd;
    if (kind == ttEnd && (lead == 0x82 || lead == 0x83)) {
        for (TTokenKind k : {ttWideDigit, ttWideLatin, ttHiragana, ttKatakana})
            if (InWideRun(k, lead, trail))
                kind = k;
    }
    if (kind != ttEnd) {
        token_ = kind;
        while (*scan_ != '\0' && InWideRun(kind, Byte(), Byte(1)))
            scan_ += 2;
    } else if ((lead == 0x82 && (InRange(trail, 0x40, 0x4E) || InRange(trail, 0x59, 0x5F) ||
                                 InRange(trail, 0x7A, 0x80) || InRange(trail, 0x9B, 0x9E) ||
                                 InRange(trail, 0xF2, 0xFC))) ||
               (lead == 0x83 && InRange(trail, 0x97, 0xF0))) {
        token_ = ttWideSymbol;
        scan_ += 2;
    } else if (lead == 0x82 || lead == 0x83) {
        // A lone lead byte, or a trail byte that makes no character: the lead byte alone is
        // a symbol. (Keeping the kind of whatever token came before would make the row's
        // tokens depend on the rows this parser happened to scan, and a fresh parser would
        // end the row.)
        token_ = ttSymbol;
        ++scan_;
    } else {
        // A carried run that does not go on here: the row's first token is a fresh one.
        continuing_ = false;
        DispatchProc();
    }
}

void TFountainParser::KanjiProc() {
    token_ = ttKanji;
    while (InRange(Byte(), 0x88, 0x9F) || InRange(Byte(), 0xE0, 0xFC))
        ConsumeChar();
}

void TFountainParser::HalfKanaSymbolProc() {
    token_ = ttHalfKanaSymbol;
    if (InRange(Byte(), 0xA1, 0xA5))
        ++scan_;
}

void TFountainParser::HalfKanaProc() {
    token_ = ttHalfKana;
    while (InRange(Byte(), 0xA6, 0xDF))
        ++scan_;
}

void TFountainParser::SymbolProc() {
    token_ = ttSymbol;
    if (!IsLineEnd(*scan_))
        ++scan_;
}

void TFountainParser::SingleQuotedProc() {
    QuotedProc('\'', ttSingleQuoted);
}

void TFountainParser::DoubleQuotedProc() {
    QuotedProc('"', ttDoubleQuoted);
}

// A quoted text; a row that continues one carried over from above has no opening quote.
void TFountainParser::QuotedProc(char quote, TTokenKind kind) {
    token_ = kind;
    if (!continuing_)
        ++scan_;
    ScanToClosingQuote(quote);
}

void TFountainParser::ScanToClosingQuote(char quote) {
    while (!IsLineEnd(*scan_)) {
        if (*scan_ == quote) {
            ++scan_;
            if (*scan_ != quote)
                return;
            ++scan_;
        } else {
            ConsumeChar();
        }
    }
}

bool TFountainParser::IsReserveWord() {
    if (continuing_ || token_ == ttEnd || token_ == ttBracket || token_ == ttComment)
        return false;
    TStringList* words = fountain_->ReserveWordList();
    int index = 0;
    return words->Count() > 0 && words->Find(TokenView(), index);
}

void TFountainParser::CheckReserveKind(TTokenKind& kind) {
    if (IsReserveWord())
        kind = ttReserve;
}

TTokenKinds TFountainParser::OpenEndedKinds() const {
    return {ttComment, ttSingleQuoted, ttDoubleQuoted};
}

TTokenKinds TFountainParser::RestOfLineKinds() const {
    return {ttComment};
}

void TFountainParser::NextRowData(int index, const TRowAttributeStringList& rows,
                                  TRowAttributeData& data) {
    // A comment (or the like) that began on an earlier row covers this whole row.
    if (RestOfLineKinds().Contains(data.StartToken)) {
        if (data.RowAttribute != raContinued)
            data.StartToken = 0;
        data.Remain = 0;
        return;
    }
    std::string_view row = rows.View(index);
    const int rowLength = static_cast<int>(row.size());
    if (row.find_first_not_of(' ') == std::string_view::npos) {
        // Nothing to scan. A string carried into a blank row still ends with its line.
        if (data.RowAttribute != raContinued) {
            data.StartToken = 0;
            data.Remain = 0;
        }
        return;
    }
    // A wrapped row is scanned together with the next one, so that a token cut by the wrap
    // is seen whole.
    rowText_.assign(row);
    if (data.RowAttribute == raContinued && index < rows.Count() - 1)
        rowText_.append(rows.View(index + 1));

    int savedBracket = data.BracketIndex;
    int savedState = data.ParserState;
    TTokenKind lastKind = ttEnd;
    NewData(rowText_.c_str(), data);
    while (NextToken() != ttEnd) {
        lastKind = token_;
        data.BracketIndex = bracketIndex_;
        if (token_ == ttBracket)
            savedBracket = tokenBracket_;
        savedState = parserState_;
        if (SourcePos() + TokenLength() > rowLength)
            break;
        data.ParserState = parserState_;
        data.ParserFlag = parserFlag_;
    }
    data.Remain = 0;
    data.StartToken = 0;
    if (token_ != ttEnd && SourcePos() >= rowLength) {
        // The token lies wholly in the next row, which will scan it afresh.
        data.BracketIndex = -1;
        return;
    }
    const int end = SourcePos() + TokenLength();
    if (!(SourcePos() < rowLength && rowLength < end))
        return;

    // The token straddles the end of this row.
    data.ParserState = savedState;
    if (lastKind == ttBracket) {
        if (data.BracketIndex == -1) {
            // The bracket closed in the next row. When its right bracket is itself cut, the
            // next row starts with exactly the rest of it.
            data.BracketIndex = savedBracket;
            TFountainBracketCollection* brackets = fountain_->Brackets();
            if (savedBracket >= 0 && savedBracket < brackets->Count() &&
                static_cast<int>(brackets->Items(savedBracket)->RightBracket().size()) >
                    end - rowLength) {
                data.StartToken = ttBracket;
                data.Remain = end - rowLength;
            }
        }
        return;
    }
    CheckReserveKind(lastKind);
    data.StartToken = lastKind;
    if (OpenEndedKinds().Contains(lastKind))
        return;
    if (end >= static_cast<int>(rowText_.size()) && rows.RowAttributes(index + 1) == raContinued)
        return;
    // The row list keeps Remain in one byte. A longer rest would be cut short there and
    // split the token, so it is resumed by kind instead, which scans the same bytes.
    if (end - rowLength > kMaxRemain)
        return;
    data.Remain = end - rowLength;
}

} // namespace kes
