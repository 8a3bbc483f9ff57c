#pragma once

#include "fountain/TEditorFountain.h"
#include "support/TNotifyPersistent.h"

#include <memory>
#include <string>

namespace kes {

// The editor's view options. They are the settings of a private default fountain that the
// editor paints with while no other fountain is set; this object keeps no values itself and
// listens to that fountain, so a change of a colour or a bracket there is a change here.
class TEditorViewInfo : public TNotifyPersistent {
public:
    TEditorViewInfo();
    ~TEditorViewInfo() override;

    void Assign(TPersistent* source) override;

    // The private fountain, made by CreateEditorFountain when it is first needed.
    TEditorFountain* Fountain();

    TEditorBracketCollection* Brackets() { return Fountain()->Brackets(); }
    void SetBrackets(TEditorBracketCollection* value) { Fountain()->SetBrackets(value); }
    TEditorColors* Colors() { return Fountain()->Colors(); }
    void SetColors(TEditorColors* value) { Fountain()->SetColors(value); }
    const std::string& Commenter() { return Fountain()->Commenter(); }
    void SetCommenter(const std::string& value);
    bool ControlCode() { return Fountain()->ControlCode(); }
    void SetControlCode(bool value);
    const std::string& HexPrefix() { return Fountain()->HexPrefix(); }
    void SetHexPrefix(const std::string& value);
    bool Mail() { return Fountain()->Mail(); }
    void SetMail(bool value);
    // The character that delimits quoted strings: one byte, or empty for none.
    const std::string& Quotation() { return Fountain()->Quotation(); }
    void SetQuotation(const std::string& value);
    bool Url() { return Fountain()->Url(); }
    void SetUrl(bool value);

protected:
    virtual std::unique_ptr<TEditorFountain> CreateEditorFountain();

private:
    std::unique_ptr<TEditorFountain> fountain_;
};

} // namespace kes
