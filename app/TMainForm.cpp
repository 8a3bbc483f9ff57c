#include "app/TMainForm.h"

#include "editorex/TEditorExBase.h"
#include "editorex/TEditorExMarks.h"
#include "editorex/TVerticalLines.h"
#include "fountain/TEditorColors.h"
#include "fountain/TMailFountain.h"
#include "toolkit/gui/QtText.h"

namespace kes {

namespace {

std::string Cp932(const char* utf8) {
    return QStringToCp932(QString::fromUtf8(utf8));
}

} // namespace

TMainForm::TMainForm(QWidget* parent)
    : QMainWindow(parent), mailFountain_(std::make_unique<TMailFountain>(nullptr)),
      editor_(new TEditorExBase(this)) {
    setWindowTitle("Kestrelpad");
    // The designed bounds, used while no saved size exists.
    setGeometry(222, 267, 496, 378);
    setCentralWidget(editor_);
    ConfigureEditor();
    SetMailColors(false);
    editor_->setFocus();
}

// The editor goes with the window's widgets, before the fountain it shows.
TMainForm::~TMainForm() {
    delete editor_;
}

// The values in which the post editor's editor differs from the component's defaults.
void TMainForm::ConfigureEditor() {
    TEditorExBase& e = *editor_;
    e.SetFountain(mailFountain_.get());
    TFont* font = e.Font();
    font->SetName("ＭＳ ゴシック");
    font->SetHeight(12);
    font->SetColor(clBlack);
    e.SetScrollBars(ssBoth);
    e.SetWantReturns(true);
    e.SetWantTabs(true);
    e.SetReadOnly(false);
    e.SetHitStyle(hsSelect);
    e.SetUndoListMax(64);
    e.SetWordWrap(false);

    TEditorWrapOption* wrap = e.WrapOption();
    wrap->SetWrapByte(80);
    wrap->SetFollowStr(Cp932("、。，．・？！゛゜ヽヾゝゞ々ー）］｝」』!),.:;?]}｡｣､･ｰﾞﾟ"));
    wrap->SetLeadStr(Cp932("（［｛「『([{｢"));
    wrap->SetPunctuationStr(Cp932("、。，．,.｡､"));
    wrap->SetLeading(true);
    wrap->SetFollowRetMark(false);
    wrap->SetFollowPunctuation(false);
    wrap->SetWordBreak(false);

    TEditorCaret* caret = e.Caret();
    caret->SetAutoCursor(true);
    caret->SetBackSpaceUnIndent(true);
    caret->SetKeepCaret(true);
    caret->SetNextLine(true);
    caret->SetRowSelect(true);
    caret->SetSelMove(true);
    caret->SetSoftTab(true);
    caret->SetAutoIndent(false);
    caret->SetFreeCaret(false);
    caret->SetFreeRow(false);
    caret->SetInTab(false);
    caret->SetLockScroll(false);
    caret->SetPrevSpaceIndent(false);
    caret->SetTabIndent(false);
    caret->SetSelDragMode(dmAutomatic);
    caret->SetStyle(csDefault);
    caret->SetTabSpaceCount(2);

    TEditorMargin* margin = e.Margin();
    margin->SetLeft(8);
    margin->SetTop(2);
    margin->SetCharacter(0);
    margin->SetLine(0);

    e.Leftbar()->SetVisible(false);
    e.Ruler()->SetVisible(false);
    e.Imagebar()->SetVisible(false);
    TEditorMarks* marks = e.Marks();
    for (TEditorMark* mark : {marks->EofMark(), marks->RetMark(), marks->WrapMark(),
                              marks->HideMark(), marks->Underline()}) {
        mark->SetVisible(false);
        mark->SetColor(clGray);
    }
    TEditorExMarks* exMarks = e.ExMarks();
    for (TEditorMark* mark :
         {exMarks->DBSpaceMark(), exMarks->SpaceMark(), exMarks->TabMark(), exMarks->FindMark(),
          exMarks->ParenMark(), exMarks->CurrentLine(), exMarks->DigitLine(), exMarks->ImageLine(),
          exMarks->Img0Line(), exMarks->Img1Line(), exMarks->Img2Line(), exMarks->Img3Line(),
          exMarks->Img4Line(), exMarks->Img5Line(), exMarks->EvenLine()}) {
        mark->SetVisible(false);
        mark->SetColor(clGray);
    }
    e.SetExSearchOptions(0);
    TVerticalLines* lines = e.VerticalLines();
    lines->Clear();
    TVerticalLine* line = lines->Add();
    line->SetPosition(0);
    line->SetColor(clSilver);
    line->SetVisible(false);
    e.SetClickableURL(true);

    TEditorViewInfo* view = e.View();
    TEditorColor* select = view->Colors()->Select();
    select->SetBkColor(clNavy);
    select->SetColor(clWhite);
    view->SetControlCode(false);
    view->SetMail(false);
    view->SetUrl(false);

    TEditorSpeed* speed = e.Speed();
    speed->SetCaretVerticalAc(2);
    speed->SetPageVerticalRange(2);
    speed->SetPageVerticalRangeAc(2);
    speed->SetInitBracketsFull(false);
}

// The text colours of the post scheme, as a fresh settings file gives them: quotation lines
// take the level colours only with quoteMarkup, else the editor font's colour. Backgrounds
// and styles keep the scheme's own values.
void TMainForm::SetMailColors(bool quoteMarkup) {
    TMailFountain& f = *mailFountain_;
    f.Mail()->SetColor(clLime);
    f.Url()->SetColor(clBlue);
    f.Reserve()->SetColor(clFuchsia);
    f.PlatformDependent()->SetColor(clRed);
    f.Kana()->SetColor(f.PlatformDependent()->Color());
    TColor text = editor_->Font()->Color();
    f.Quotation1()->SetColor(quoteMarkup ? clBlue : text);
    f.Quotation2()->SetColor(quoteMarkup ? clGreen : text);
    f.Quotation3()->SetColor(quoteMarkup ? clMaroon : text);
    f.Quotation4()->SetColor(quoteMarkup ? clOlive : text);
}

} // namespace kes
