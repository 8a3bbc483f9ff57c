#pragma once

#include "fountain/TFountain.h"

namespace kes {

// The scheme of post text: quotation lines by level, URLs, mail addresses, reserved words,
// comment lines, MIME encoded words (one bracket pair "=?" "?=") and the characters boards
// garble (half-width kana, platform-dependent characters). Every colour starts unset.
class TMailFountain : public TFountain {
public:
    explicit TMailFountain(TComponent* owner);
    ~TMailFountain() override;

    TFountainColor* Mail() const { return mail_.get(); }
    void SetMail(TFountainColor* color) { mail_->Assign(color); }
    TFountainColor* Url() const { return url_.get(); }
    void SetUrl(TFountainColor* color) { url_->Assign(color); }
    TFountainColor* Kana() const { return kana_.get(); }
    void SetKana(TFountainColor* color) { kana_->Assign(color); }
    TFountainColor* PlatformDependent() const { return platformDependent_.get(); }
    void SetPlatformDependent(TFountainColor* color) { platformDependent_->Assign(color); }
    TFountainColor* Quotation1() const { return quotation1_.get(); }
    void SetQuotation1(TFountainColor* color) { quotation1_->Assign(color); }
    TFountainColor* Quotation2() const { return quotation2_.get(); }
    void SetQuotation2(TFountainColor* color) { quotation2_->Assign(color); }
    TFountainColor* Quotation3() const { return quotation3_.get(); }
    void SetQuotation3(TFountainColor* color) { quotation3_->Assign(color); }
    TFountainColor* Quotation4() const { return quotation4_.get(); }
    void SetQuotation4(TFountainColor* color) { quotation4_->Assign(color); }
    TFountainColor* Comment() const { return comment_.get(); }
    void SetComment(TFountainColor* color) { comment_->Assign(color); }

    void GetPropList(TPropList& list) const override;

protected:
    void CreateFountainColors() override;
    TFountainParserClass GetParserClass() override;
    void InitBracketItems() override;
    void InitFileExtList() override;

private:
    std::unique_ptr<TFountainColor> mail_, url_, kana_, platformDependent_, quotation1_,
        quotation2_, quotation3_, quotation4_, comment_;
};

} // namespace kes
