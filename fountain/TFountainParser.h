#pragma once

#include "fountain/TTokenKind.h"
#include "textmodel/TRowAttributeData.h"
#include "textmodel/TRowAttributeStringList.h"

#include <array>
#include <string>
#include <string_view>

namespace kes {

class TFountain;
class TFountainColor;

// Cuts one row at a time into tokens. A caller starts each row with NewData (the row text,
// ended by a NUL byte, and the parse state at the row's start) and calls NextToken until it
// returns ttEnd; SourcePos, TokenLength, Token and TokenColor then describe each token.
// NextRowData turns the state at the start of a row into the state at the start of the next.
//
// Tokens are chosen by two tables of handlers: one indexed by the first byte of a fresh
// token, one by the kind of a token carried over from the row above. A descendant replaces
// single entries in its InitMethodTable after calling the inherited one.
class TFountainParser : public TObject {
public:
    explicit TFountainParser(TFountain* fountain);
    ~TFountainParser() override;

    // text must stay alive and unchanged while its tokens are read.
    virtual void NewData(const char* text, const TRowAttributeData& data);
    void NewData(const std::string& text, const TRowAttributeData& data) {
        NewData(text.c_str(), data);
    }
    // The parser keeps pointers into the text: a temporary would die under it.
    void NewData(std::string&& text, const TRowAttributeData& data) = delete;
    virtual void NextRowData(int index, const TRowAttributeStringList& rows,
                             TRowAttributeData& data);
    virtual TTokenKind NextToken();
    // The colour of the current token, or nullptr for the editor's own colours.
    virtual TFountainColor* TokenColor() = 0;

    virtual bool IsReserveWord();
    virtual void CheckReserveKind(TTokenKind& kind);
    // Kinds that, cut by the end of a wrapped row, are resumed by kind in the next row.
    virtual TTokenKinds OpenEndedKinds() const;
    // Kinds that colour the rest of their logical line once started.
    virtual TTokenKinds RestOfLineKinds() const;
    // Whether nothing of the parse state but the bracket index crosses a line break, so that
    // every logical line starts in the text's start state with the bracket index the line
    // above ended in. A parser says so only when none of its handlers keeps anything else
    // from one line to the next; a descendant that does must say no again.
    virtual bool OnlyBracketsCrossLines() const { return false; }
    // A parse toward row `row` would begin at row `start` in state `data`. When the parser
    // can tell the state of a later row from the lines just above it (which needs
    // OnlyBracketsCrossLines), moves start and data there, no further than the first row of
    // row's logical line, and returns true. The states from there on are exactly those of a
    // parse from the old start, so the rows in between need no parsing to reach row.
    bool AdvanceParseStart(int row, const TRowAttributeStringList& rows, int& start,
                           TRowAttributeData& data);

    TFountain* Fountain() const { return fountain_; }
    int SourcePos() const { return static_cast<int>(tokenStart_ - textStart_); }
    int TokenLength() const { return static_cast<int>(nextPos_ - tokenStart_); }
    std::string TokenString() const { return std::string(TokenView()); }
    std::string_view TokenView() const {
        return {tokenStart_, static_cast<size_t>(nextPos_ - tokenStart_)};
    }
    TTokenKind Token() const { return token_; }
    // The bracket item of the last ttBracket token (-2 after NewData).
    int TokenBracket() const { return tokenBracket_; }
    int BracketIndex() const { return bracketIndex_; }
    int ParserState() const { return parserState_; }
    int ParserFlag() const { return parserFlag_; }

protected:
    using TTokenProc = void (TFountainParser::*)();
    // A descendant's handler as a table entry.
    template <class Parser> static TTokenProc Proc(void (Parser::*proc)()) {
        return static_cast<TTokenProc>(proc);
    }

    virtual void InitMethodTable();
    virtual void SkipBlanks();
    virtual bool IsBracketProc();
    virtual void BracketProc();
    virtual bool IsMailProc();
    virtual void MailProc();
    virtual bool IsUrlProc();
    virtual void UrlProc();
    virtual void ReserveProc();
    virtual void EndProc();
    virtual void TabProc();
    virtual void LFProc();
    virtual void CRProc();
    virtual void CommentProc();
    virtual void HexProc();
    virtual void NumberProc();
    virtual void AnkProc();
    virtual void WideSymbolProc();
    virtual void WideCharProc();
    virtual void KanjiProc();
    virtual void HalfKanaSymbolProc();
    virtual void HalfKanaProc();
    virtual void SymbolProc();
    virtual void SingleQuotedProc();
    virtual void DoubleQuotedProc();
    virtual void ContinueProc();
    virtual void DispatchProc();

    // NUL ends a row; LF and CR are treated alike.
    static bool IsLineEnd(char c) { return c == '\0' || c == '\n' || c == '\r'; }
    unsigned char Byte(int offset = 0) const { return static_cast<unsigned char>(scan_[offset]); }
    // Consumes one character: two bytes for a double-byte character, one for any other byte
    // and for a lone lead byte (before the row's end or a line break, say).
    void ConsumeChar();
    // Scans a quoted text up to and past its closing quote; a doubled quote stands for one
    // quote inside the text, and the text ends at the row's end when no closing quote comes.
    void ScanToClosingQuote(char quote);
    // Whether s (not empty) stands at the scan position; never reads past the row's end.
    bool MatchAt(std::string_view s) const;
    void ConsumeToLineEnd();

    std::array<TTokenProc, 256> methodTable_{};
    std::array<TTokenProc, 256> tokenMethodTable_{};

    const char* textStart_;
    const char* scan_;
    const char* tokenStart_;
    const char* nextPos_;
    TTokenKind token_ = ttEnd;
    uint8_t startToken_ = 0;
    int remain_ = 0;
    int bracketIndex_ = -1;
    int tokenBracket_ = -2;
    bool continuing_ = false;
    TRowAttribute rowAttribute_ = raLineEnd;
    TRowAttribute prevRowAttribute_ = raLineEnd;
    int parserState_ = 0;
    int parserValue_ = 0;
    uint8_t parserFlag_ = 0;
    std::string parserText_;

private:
    void QuotedProc(char quote, TTokenKind kind);
    // NextRowData over rows first..last, as the row list's parse goes from row to row.
    void ParseRows(int first, int last, const TRowAttributeStringList& rows,
                   TRowAttributeData& data);
    // Whether the logical line of rows first..last ends in one state (then in `end`) whichever
    // state it starts in: outside any bracket or inside any one of them.
    bool LineEndIsFixed(int first, int last, const TRowAttributeStringList& rows,
                        TRowAttributeData& end);

    TFountain* fountain_;
    bool tablesFilled_ = false;
    std::string rowText_; // the joined rows NextRowData scans, kept to reuse its buffer
};

} // namespace kes
