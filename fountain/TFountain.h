#pragma once

#include "fountain/TFountainBracketCollection.h"
#include "fountain/TFountainColor.h"
#include "support/TFileExtComponent.h"
#include "support/TNotifyEventList.h"
#include "toolkit/core/TStringList.h"

#include <memory>

namespace kes {

class TFountain;
class TFountainParser;

// The parser class of a scheme: makes a parser for the given fountain.
using TFountainParserClass = std::unique_ptr<TFountainParser> (*)(TFountain* fountain);

// A colouring scheme: colours, bracket pairs and reserved words, and the parser class that
// cuts rows into tokens. Any number of editors show one fountain; they listen on its
// NotifyEventList and hear of every change of a colour, a bracket or the reserved words.
//
// The parts are made in this order: file extensions, listener list, brackets, default
// brackets, reserved words, default reserved words, colours. C++ runs a base constructor
// before the derived object exists, so this constructor makes the parts with its own
// hooks; a descendant that overrides a hook runs it again from its own constructor, through
// RecreateBrackets, ReinitBracketItems, ReinitReserveWordList or CreateFountainColors
// (which makes only the colours not made yet).
class TFountain : public TFileExtComponent {
public:
    explicit TFountain(TComponent* owner);
    ~TFountain() override;

    TFountainBracketCollection* Brackets() const { return brackets_.get(); }
    void SetBrackets(TFountainBracketCollection* brackets) { brackets_->Assign(brackets); }
    TFountainColor* Reserve() const { return reserve_.get(); }
    void SetReserve(TFountainColor* color) { reserve_->Assign(color); }
    // Sorted, duplicates ignored, compared without regard to letter case.
    TStringList* ReserveWordList() const { return reserveWordList_.get(); }
    void SetReserveWordList(TStrings* words);
    TNotifyEventList* NotifyEventList() const { return notifyEventList_.get(); }

    virtual std::unique_ptr<TFountainParser> CreateParser();
    // Whether any colour property of instance has italic in its style.
    virtual bool HasItalicStyle(TPersistent* instance);

    // The published properties: those of the component, then the colours.
    void GetPropList(TPropList& list) const override;

protected:
    virtual std::unique_ptr<TFountainColor> CreateFountainColor();
    virtual void CreateFountainColors();
    virtual std::unique_ptr<TFountainBracketCollection> CreateBrackets();
    virtual TFountainParserClass GetParserClass() = 0;
    virtual void InitBracketItems() {}
    virtual void InitReserveWordList() {}

    // Makes color with CreateFountainColor unless it is made already.
    void MakeColor(std::unique_ptr<TFountainColor>& color);
    void RecreateBrackets();
    void ReinitBracketItems();
    void ReinitReserveWordList();

private:
    std::unique_ptr<TNotifyEventList> notifyEventList_;
    std::unique_ptr<TFountainBracketCollection> brackets_;
    std::unique_ptr<TStringList> reserveWordList_;
    std::unique_ptr<TFountainColor> reserve_;
};

} // namespace kes
