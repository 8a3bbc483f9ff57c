#pragma once

#include "fountain/TEditorBracketCollection.h"
#include "fountain/TEditorColors.h"
#include "fountain/TFountain.h"

#include <string>

namespace kes {

// The general-purpose scheme every editor carries: symbols, numbers, words, double-byte
// text, comments after a marker, quoted strings, control codes, URLs and mail addresses.
// The string and switch properties are plain values; changing them notifies nobody.
class TEditorFountain : public TFountain {
public:
    explicit TEditorFountain(TComponent* owner);
    ~TEditorFountain() override;

    TEditorBracketCollection* Brackets() const {
        return static_cast<TEditorBracketCollection*>(TFountain::Brackets());
    }
    TEditorColors* Colors() const { return colors_.get(); }
    void SetColors(TEditorColors* colors) { colors_->Assign(colors); }
    const std::string& Commenter() const { return commenter_; }
    void SetCommenter(const std::string& commenter) { commenter_ = commenter; }
    bool ControlCode() const { return controlCode_; }
    void SetControlCode(bool on) { controlCode_ = on; }
    const std::string& HexPrefix() const { return hexPrefix_; }
    void SetHexPrefix(const std::string& prefix) { hexPrefix_ = prefix; }
    bool Mail() const { return mail_; }
    void SetMail(bool on) { mail_ = on; }
    const std::string& Quotation() const { return quotation_; }
    void SetQuotation(const std::string& quotation) { quotation_ = quotation; }
    bool Url() const { return url_; }
    void SetUrl(bool on) { url_ = on; }

    // Set one field of every colour of Colors except Select and Hit, notifying once.
    virtual void SameBkColor(TColor color);
    virtual void SameColor(TColor color);
    virtual void SameStyle(TFontStyles style);

protected:
    std::unique_ptr<TFountainBracketCollection> CreateBrackets() override;
    TFountainParserClass GetParserClass() override;
    virtual std::unique_ptr<TEditorColors> CreateEditorColors();

private:
    // Runs set on every colour the set-every-colour operations reach.
    template <class Set> void ForEachTextColor(Set set);

    std::unique_ptr<TEditorColors> colors_;
    std::string commenter_;
    bool controlCode_ = false;
    std::string hexPrefix_;
    bool mail_ = false;
    std::string quotation_;
    bool url_ = false;
};

} // namespace kes
