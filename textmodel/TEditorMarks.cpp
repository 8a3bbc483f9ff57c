#include "textmodel/TEditorMarks.h"

namespace kes {

TEditorMarks::TEditorMarks()
    : eofMark_(MakeMark()), retMark_(MakeMark()), wrapMark_(MakeMark()), hideMark_(MakeMark()),
      underline_(MakeMark()) {}

TEditorMarks::~TEditorMarks() = default;

std::unique_ptr<TEditorMark> TEditorMarks::MakeMark() {
    auto mark = std::make_unique<TEditorMark>();
    mark->OnChange = MethodOf<&TEditorMarks::ChangedProc>(this);
    return mark;
}

void TEditorMarks::Assign(TPersistent* source) {
    auto* marks = dynamic_cast<TEditorMarks*>(source);
    if (!marks) {
        TNotifyPersistent::Assign(source);
        return;
    }
    BeginUpdate();
    eofMark_->Assign(marks->eofMark_.get());
    retMark_->Assign(marks->retMark_.get());
    wrapMark_->Assign(marks->wrapMark_.get());
    hideMark_->Assign(marks->hideMark_.get());
    underline_->Assign(marks->underline_.get());
    EndUpdate();
}

} // namespace kes
