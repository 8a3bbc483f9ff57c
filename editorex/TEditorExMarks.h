#pragma once

#include "fountain/TFountainColor.h"
#include "support/TNotifyPersistent.h"
#include "textmodel/TEditorMark.h"

#include <array>
#include <memory>

namespace kes {

// The extended editor's marks: frames on spaces, tab arrows, find underlines and hit colours,
// the bracket partner, and row backgrounds. Every object is owned here for the editor's life
// and reports its changes through this one, so the editor hears of any of them once.
class TEditorExMarks : public TNotifyPersistent {
public:
    TEditorExMarks();
    ~TEditorExMarks() override;

    // From another TEditorExMarks: all sixteen objects in one update, one notification.
    void Assign(TPersistent* source) override;

    // Whether any mark is drawn at all (the hit colours are no mark of their own).
    bool Indicated() const;

    TEditorMark* DBSpaceMark() const { return dbSpaceMark_.get(); }
    void SetDBSpaceMark(TEditorMark* value) { dbSpaceMark_->Assign(value); }
    TEditorMark* SpaceMark() const { return spaceMark_.get(); }
    void SetSpaceMark(TEditorMark* value) { spaceMark_->Assign(value); }
    TEditorMark* TabMark() const { return tabMark_.get(); }
    void SetTabMark(TEditorMark* value) { tabMark_->Assign(value); }
    TEditorMark* FindMark() const { return findMark_.get(); }
    void SetFindMark(TEditorMark* value) { findMark_->Assign(value); }
    TFountainColor* Hit() const { return hit_.get(); }
    void SetHit(TFountainColor* value) { hit_->Assign(value); }
    TEditorMark* ParenMark() const { return parenMark_.get(); }
    void SetParenMark(TEditorMark* value) { parenMark_->Assign(value); }
    TEditorMark* CurrentLine() const { return currentLine_.get(); }
    void SetCurrentLine(TEditorMark* value) { currentLine_->Assign(value); }
    TEditorMark* DigitLine() const { return digitLine_.get(); }
    void SetDigitLine(TEditorMark* value) { digitLine_->Assign(value); }
    TEditorMark* ImageLine() const { return imageLine_.get(); }
    void SetImageLine(TEditorMark* value) { imageLine_->Assign(value); }
    // The background of rows carrying row mark 10 + index (index 0..5).
    TEditorMark* ImgLine(int index) const { return imgLines_.at(index).get(); }
    TEditorMark* Img0Line() const { return ImgLine(0); }
    void SetImg0Line(TEditorMark* value) { imgLines_[0]->Assign(value); }
    TEditorMark* Img1Line() const { return ImgLine(1); }
    void SetImg1Line(TEditorMark* value) { imgLines_[1]->Assign(value); }
    TEditorMark* Img2Line() const { return ImgLine(2); }
    void SetImg2Line(TEditorMark* value) { imgLines_[2]->Assign(value); }
    TEditorMark* Img3Line() const { return ImgLine(3); }
    void SetImg3Line(TEditorMark* value) { imgLines_[3]->Assign(value); }
    TEditorMark* Img4Line() const { return ImgLine(4); }
    void SetImg4Line(TEditorMark* value) { imgLines_[4]->Assign(value); }
    TEditorMark* Img5Line() const { return ImgLine(5); }
    void SetImg5Line(TEditorMark* value) { imgLines_[5]->Assign(value); }
    TEditorMark* EvenLine() const { return evenLine_.get(); }
    void SetEvenLine(TEditorMark* value) { evenLine_->Assign(value); }

    static constexpr int ImgLineCount = 6;

private:
    std::unique_ptr<TEditorMark> MakeMark();

    std::unique_ptr<TEditorMark> dbSpaceMark_;
    std::unique_ptr<TEditorMark> spaceMark_;
    std::unique_ptr<TEditorMark> tabMark_;
    std::unique_ptr<TEditorMark> findMark_;
    std::unique_ptr<TFountainColor> hit_;
    std::unique_ptr<TEditorMark> parenMark_;
    std::unique_ptr<TEditorMark> currentLine_;
    std::unique_ptr<TEditorMark> digitLine_;
    std::unique_ptr<TEditorMark> imageLine_;
    std::array<std::unique_ptr<TEditorMark>, ImgLineCount> imgLines_;
    std::unique_ptr<TEditorMark> evenLine_;
};

} // namespace kes
