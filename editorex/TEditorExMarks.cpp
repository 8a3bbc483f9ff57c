#include "editorex/TEditorExMarks.h"

namespace kes {

TEditorExMarks::TEditorExMarks()
    : dbSpaceMark_(MakeMark()), spaceMark_(MakeMark()), tabMark_(MakeMark()), findMark_(MakeMark()),
      hit_(std::make_unique<TFountainColor>()), parenMark_(MakeMark()), currentLine_(MakeMark()),
      digitLine_(MakeMark()), imageLine_(MakeMark()), imgLines_{MakeMark(), MakeMark(), MakeMark(),
                                                                MakeMark(), MakeMark(), MakeMark()},
      evenLine_(MakeMark()) {
    hit_->OnChange = MethodOf<&TEditorExMarks::ChangedProc>(this);
}

TEditorExMarks::~TEditorExMarks() = default;

std::unique_ptr<TEditorMark> TEditorExMarks::MakeMark() {
    auto mark = std::make_unique<TEditorMark>();
    mark->OnChange = MethodOf<&TEditorExMarks::ChangedProc>(this);
    return mark;
}

void TEditorExMarks::Assign(TPersistent* source) {
    auto* marks = dynamic_cast<TEditorExMarks*>(source);
    if (!marks) {
        TNotifyPersistent::Assign(source);
        return;
    }
    BeginUpdate();
    dbSpaceMark_->Assign(marks->dbSpaceMark_.get());
    spaceMark_->Assign(marks->spaceMark_.get());
    tabMark_->Assign(marks->tabMark_.get());
    findMark_->Assign(marks->findMark_.get());
    hit_->Assign(marks->hit_.get());
    parenMark_->Assign(marks->parenMark_.get());
    currentLine_->Assign(marks->currentLine_.get());
    digitLine_->Assign(marks->digitLine_.get());
    imageLine_->Assign(marks->imageLine_.get());
    for (int i = 0; i < ImgLineCount; ++i)
        imgLines_[i]->Assign(marks->imgLines_[i].get());
    evenLine_->Assign(marks->evenLine_.get());
    EndUpdate();
}

bool TEditorExMarks::Indicated() const {
    for (const TEditorMark* mark :
         {dbSpaceMark_.get(), spaceMark_.get(), tabMark_.get(), findMark_.get(), parenMark_.get(),
          currentLine_.get(), digitLine_.get(), imageLine_.get(), evenLine_.get()})
        if (mark->Visible())
            return true;
    for (const auto& mark : imgLines_)
        if (mark->Visible())
            return true;
    return false;
}

} // namespace kes
