#pragma once

#include "fountain/TFountainParser.h"

namespace kes {

class TMailFountain;

// The parser of post text. Quotation marks (">", "》", "＞") and comment marks ("|", "｜")
// count only at the start of a logical line: at byte 0 of a row that does not continue a
// wrapped line. The row state's PrevRowAttribute tells continuation rows apart, so the
// answer is the same whichever row a pass starts on.
class TMailFountainParser : public TFountainParser {
public:
    explicit TMailFountainParser(TFountain* fountain);

    TFountainColor* TokenColor() override;
    TTokenKinds OpenEndedKinds() const override;
    TTokenKinds RestOfLineKinds() const override;
    // Quotation and comment lines end with their line, and no handler keeps a state of its
    // own: only an open bracket ("=?" without its "?=") reaches the next line.
    bool OnlyBracketsCrossLines() const override { return true; }

protected:
    void InitMethodTable() override;
    void CommentProc() override;
    void WideSymbolProc() override;
    void DispatchProc() override;
    virtual void PlatformDependentProc();
    virtual void QuotationLevelProc();

    bool AtLineStart() const {
        return tokenStart_ == textStart_ && prevRowAttribute_ != raContinued;
    }

private:
    TMailFountain* mailFountain_;
};

} // namespace kes
