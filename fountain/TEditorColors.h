#pragma once

#include "fountain/TEditorColor.h"
#include "support/TNotifyPersistent.h"

#include <memory>

namespace kes {

class TFountain;

// The colours of the default scheme, plus the selection and search-hit colours the painter
// uses whatever fountain colours the text. Reserve is the fountain's own colour, read and
// assigned through it.
class TEditorColors : public TNotifyPersistent {
public:
    explicit TEditorColors(TFountain* fountain);
    ~TEditorColors() override;

    TEditorColor* Ank() const { return ank_.get(); }
    void SetAnk(TFountainColor* color) { ank_->Assign(color); }
    TEditorColor* Comment() const { return comment_.get(); }
    void SetComment(TFountainColor* color) { comment_->Assign(color); }
    TEditorColor* DBCS() const { return dbcs_.get(); }
    void SetDBCS(TFountainColor* color) { dbcs_->Assign(color); }
    TEditorColor* Hit() const { return hit_.get(); }
    void SetHit(TFountainColor* color) { hit_->Assign(color); }
    TEditorColor* Int() const { return int_.get(); }
    void SetInt(TFountainColor* color) { int_->Assign(color); }
    TEditorColor* Mail() const { return mail_.get(); }
    void SetMail(TFountainColor* color) { mail_->Assign(color); }
    TFountainColor* Reserve() const;
    void SetReserve(TFountainColor* color);
    TEditorColor* Select() const { return select_.get(); }
    void SetSelect(TFountainColor* color) { select_->Assign(color); }
    TEditorColor* Str() const { return str_.get(); }
    void SetStr(TFountainColor* color) { str_->Assign(color); }
    TEditorColor* Symbol() const { return symbol_.get(); }
    void SetSymbol(TFountainColor* color) { symbol_->Assign(color); }
    TEditorColor* Url() const { return url_.get(); }
    void SetUrl(TFountainColor* color) { url_->Assign(color); }

    void Assign(TPersistent* source) override;
    void GetPropList(TPropList& list) const override;

private:
    std::unique_ptr<TEditorColor> MakeColor();

    TFountain* fountain_;
    std::unique_ptr<TEditorColor> ank_, comment_, dbcs_, hit_, int_, mail_, select_, str_, symbol_,
        url_;
};

} // namespace kes
