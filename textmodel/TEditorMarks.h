#pragma once

#include "support/TNotifyPersistent.h"
#include "textmodel/TEditorMark.h"

#include <memory>

namespace kes {

// The five marks the editor can draw. Each is owned here and reports its changes through this
// object, so a listener of the marks hears of any of them.
class TEditorMarks : public TNotifyPersistent {
public:
    TEditorMarks();
    ~TEditorMarks() override;

    void Assign(TPersistent* source) override;

    TEditorMark* EofMark() const { return eofMark_.get(); }
    void SetEofMark(TEditorMark* value) { eofMark_->Assign(value); }
    TEditorMark* RetMark() const { return retMark_.get(); }
    void SetRetMark(TEditorMark* value) { retMark_->Assign(value); }
    TEditorMark* WrapMark() const { return wrapMark_.get(); }
    void SetWrapMark(TEditorMark* value) { wrapMark_->Assign(value); }
    TEditorMark* HideMark() const { return hideMark_.get(); }
    void SetHideMark(TEditorMark* value) { hideMark_->Assign(value); }
    TEditorMark* Underline() const { return underline_.get(); }
    void SetUnderline(TEditorMark* value) { underline_->Assign(value); }

private:
    std::unique_ptr<TEditorMark> MakeMark();

    std::unique_ptr<TEditorMark> eofMark_;
    std::unique_ptr<TEditorMark> retMark_;
    std::unique_ptr<TEditorMark> wrapMark_;
    std::unique_ptr<TEditorMark> hideMark_;
    std::unique_ptr<TEditorMark> underline_;
};

} // namespace kes
