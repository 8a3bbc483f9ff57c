#include "textmodel/TEditorViewInfo.h"

namespace kes {

TEditorViewInfo::TEditorViewInfo() = default;

TEditorViewInfo::~TEditorViewInfo() {
    if (fountain_)
        fountain_->NotifyEventList()->Remove(MethodOf<&TEditorViewInfo::ChangedProc>(this));
}

// Made on first use rather than in the constructor, so that a descendant's
// CreateEditorFountain is the one that runs.
TEditorFountain* TEditorViewInfo::Fountain() {
    if (!fountain_) {
        fountain_ = CreateEditorFountain();
        fountain_->NotifyEventList()->Add(MethodOf<&TEditorViewInfo::ChangedProc>(this));
    }
    return fountain_.get();
}

std::unique_ptr<TEditorFountain> TEditorViewInfo::CreateEditorFountain() {
    return std::make_unique<TEditorFountain>(nullptr);
}

void TEditorViewInfo::SetCommenter(const std::string& value) {
    if (Commenter() == value)
        return;
    Fountain()->SetCommenter(value);
    Changed();
}

void TEditorViewInfo::SetControlCode(bool value) {
    if (ControlCode() == value)
        return;
    Fountain()->SetControlCode(value);
    Changed();
}

void TEditorViewInfo::SetHexPrefix(const std::string& value) {
    if (HexPrefix() == value)
        return;
    Fountain()->SetHexPrefix(value);
    Changed();
}

void TEditorViewInfo::SetMail(bool value) {
    if (Mail() == value)
        return;
    Fountain()->SetMail(value);
    Changed();
}

void TEditorViewInfo::SetQuotation(const std::string& value) {
    std::string quotation = value.substr(0, 1);
    if (Quotation() == quotation)
        return;
    Fountain()->SetQuotation(quotation);
    Changed();
}

void TEditorViewInfo::SetUrl(bool value) {
    if (Url() == value)
        return;
    Fountain()->SetUrl(value);
    Changed();
}

void TEditorViewInfo::Assign(TPersistent* source) {
    auto* view = dynamic_cast<TEditorViewInfo*>(source);
    if (!view) {
        TNotifyPersistent::Assign(source);
        return;
    }
    BeginUpdate();
    SetBrackets(view->Brackets());
    SetColors(view->Colors());
    SetCommenter(view->Commenter());
    SetControlCode(view->ControlCode());
    SetHexPrefix(view->HexPrefix());
    SetMail(view->Mail());
    SetQuotation(view->Quotation());
    SetUrl(view->Url());
    EndUpdate();
}

} // namespace kes
