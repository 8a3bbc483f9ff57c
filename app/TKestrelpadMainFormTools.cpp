// The main window's text tools: quoting, and the help and version commands.
#include "app/PhraseInsertion.h"
#include "app/TConfigureKespadForm.h"
#include "app/TDateTimeFormats.h"
#include "app/THelpWindow.h"
#include "app/TKestrelpadMainForm.h"
#include "app/TSentenceForm.h"
#include "editorex/TEditorExBase.h"
#include "toolkit/core/TLineSplitter.h"
#include "toolkit/core/TStringList.h"
#include "toolkit/gui/TClipboard.h"

#include <QCursor>
#include <QDateTime>
#include <QMessageBox>

namespace kes {

namespace {

// Every line of text behind the mark, each followed by CR LF; an empty text gives nothing.
std::string QuotedLines(std::string_view text, std::string_view mark) {
    std::string out;
    ForEachLine(text, {}, [&](const TTextLine& line) {
        out += mark;
        out += line.text;
        out += "\r\n";
    });
    return out;
}

} // namespace

void TKestrelpadMainForm::PasteClipboardBlockquoteExecute() {
    const std::string quoted = QuotedLines(TClipboard::Text(), settings_.QuoteString);
    if (!quoted.empty())
        editor_->SetSelText(quoted);
}

void TKestrelpadMainForm::SetQuoteCodeExecute() {
    editor_->InsertToLines(settings_.QuoteString, ilAlways | ilSelect);
}

void TKestrelpadMainForm::InsertFSExecute() {
    SentenceForm()->ShowPhrases(*phrases_, QCursor::pos(), true, [this](const std::string& text) {
        Execute([this, &text] { InsertPhrase(*editor_, text, true); });
    });
}

void TKestrelpadMainForm::InsertDateTimeExecute() {
    TStringList dates;
    TDateTimeFormats::AddTexts(QDateTime::currentDateTime(), dates);
    SentenceForm()->ShowPhrases(dates, QCursor::pos(), false, [this](const std::string& text) {
        Execute([this, &text] { InsertPhrase(*editor_, text, false); });
    });
}

TSentenceForm* TKestrelpadMainForm::SentenceForm() {
    if (!sentenceForm_)
        sentenceForm_ = new TSentenceForm(this);
    return sentenceForm_;
}

void TKestrelpadMainForm::ConfigureExecute() {
    TConfigureKespadForm::Execute(
        this, paths_.SettingsFile(), logicalDpiY(), dialogs_.ShowError,
        [this](QDialog* dialog) { ShowHelp(QStringLiteral("config"), dialog); });
    ApplySettings();
    editor_->update();
}

void TKestrelpadMainForm::HelpContentsExecute() {
    ShowHelp(QStringLiteral("contents"));
}

void TKestrelpadMainForm::ShowHelp(const QString& anchor, QDialog* dialog) {
    if (!helpWindow_)
        helpWindow_ = new THelpWindow(this);
    // A modal dialog lets only its own windows take input: while it is open the viewer belongs
    // to it, and it comes back to the main window, still shown, when the dialog closes.
    if (dialog && helpWindow_->parentWidget() != dialog) {
        helpWindow_->setParent(dialog, Qt::Window);
        connect(
            dialog, &QDialog::finished, helpWindow_,
            [this] {
                const bool shown = helpWindow_->isVisible();
                helpWindow_->setParent(this, Qt::Window);
                helpWindow_->setVisible(shown);
            },
            Qt::SingleShotConnection);
    }
    helpWindow_->ShowSection(TAppPaths::HelpFile(), anchor);
}

void TKestrelpadMainForm::AboutExecute() {
    QMessageBox::about(this, QString::fromUtf8("バージョン情報"),
                       QString::fromUtf8("<p><b>Kestrelpad</b> バージョン %1</p>"
                                         "<p>掲示板に書き込む文章のためのエディタ</p>"
                                         "<p>Qt %2 を使っています。</p>"
                                         "<p>ライセンス: まだ決まっていません。</p>")
                           .arg(QStringLiteral(KES_VERSION), QString::fromLatin1(qVersion())));
}

} // namespace kes
