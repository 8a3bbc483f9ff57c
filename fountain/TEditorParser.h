#pragma once

#include "fountain/TFountainParser.h"

namespace kes {

class TEditorFountain;

// The parser of the default scheme. Given any other fountain it tokenizes as the base
// does, with every option of the default scheme off.
class TEditorParser : public TFountainParser {
public:
    explicit TEditorParser(TFountain* fountain);

    TFountainColor* TokenColor() override;
    TTokenKinds OpenEndedKinds() const override;

protected:
    void InitMethodTable() override;
    void DispatchProc() override;

    virtual bool IsQuotationProc();
    virtual void QuotationProc();
    virtual bool IsCommenterProc();
    virtual bool IsHexPrefixProc();
    virtual bool IsControlCodeHexProc();
    virtual void ControlCodeHexProc();
    virtual bool IsControlCodeProc();
    virtual void ControlCodeProc();

private:
    TEditorFountain* editorFountain_;
};

} // namespace kes
