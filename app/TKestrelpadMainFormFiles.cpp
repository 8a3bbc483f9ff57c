// The main window's file commands: the five draft slots, saving to and loading from a chosen
// file, the whole text to and from the clipboard, and a new text.
#include "app/AppText.h"
#include "app/TKestrelpadMainForm.h"
#include "app/TStatusPanels.h"
#include "editorex/TEditorExBase.h"
#include "textmodel/TEditorStrings.h"
#include "toolkit/core/Exception.h"
#include "toolkit/core/TextEncoding.h"
#include "toolkit/gui/FileWriter.h"
#include "toolkit/gui/TClipboard.h"

#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputMethod>
#include <QMenu>

namespace kes {

namespace {

std::string LocalName(const QString& fileName) {
    return QFile::encodeName(fileName).toStdString();
}

// Writes the text as the file's whole content; the old file stays when that fails.
void WriteTextFile(const QString& fileName, const std::string& text) {
    const QString folder = QFileInfo(fileName).absolutePath();
    if (!QDir().mkpath(folder))
        throw EFileError(LocalName(fileName), "フォルダを作れません");
    const QString reason = WriteWholeFile(fileName, text);
    if (!reason.isEmpty())
        throw EFileError(LocalName(fileName), reason.toStdString());
}

} // namespace

// One Ctrl+Z brings a replaced text back: a slip from Ctrl+1 to Ctrl+Shift+1, or from Ctrl+V
// to Ctrl+Shift+V, must not throw an hour's post away. The text counts as modified as it did
// before, as a whole-text write leaves it.
void TKestrelpadMainForm::ReplaceText(const std::string& text) {
    const bool modified = editor_->Modified();
    editor_->Lines()->ReplaceText(text);
    editor_->SetModified(modified);
    EditorChange(editor_);
}

void TKestrelpadMainForm::TempSaveFile(int slot) {
    if (settings_.WriteProtect[slot - 1] &&
        !Ask(U("%1はプロテクトされています\r書き込んでもいいですか？").arg(slot)))
        return;
    WriteTextFile(paths_.DraftFile(slot), Text());
    statusPanels_->SetText(0, U("%1に保存しました").arg(slot));
}

void TKestrelpadMainForm::TempLoadFile(int slot) {
    if (settings_.ReadProtect[slot - 1] &&
        !Ask(U("%1はプロテクトされています\r読み込んでもいいですか？").arg(slot)))
        return;
    editor_->Lines()->ReplaceFromFile(LocalName(paths_.DraftFile(slot)));
    EditorChange(editor_);
    statusPanels_->SetText(0, U("%1を読み込みました").arg(slot));
}

void TKestrelpadMainForm::DDTempMenuExecute(QMenu* menu) {
    menu->popup(QCursor::pos());
}

void TKestrelpadMainForm::SaveToFile(const QString& fileName) {
    WriteTextFile(fileName, EncodeText(Text(), editor_->Lines()->TextFormat()));
    SetLastFile(fileName);
}

void TKestrelpadMainForm::LoadFromFile(const QString& fileName,
                                       std::optional<TTextEncoding> encoding) {
    editor_->Lines()->ReplaceFromEncodedFile(LocalName(fileName), encoding);
    SetLastFile(fileName);
    EditorChange(editor_);
}

void TKestrelpadMainForm::SaveFileExecute() {
    const QString fileName = dialogs_.ChooseSaveFile(this);
    if (!fileName.isEmpty())
        SaveToFile(fileName);
}

void TKestrelpadMainForm::LoadFileExecute() {
    const QString fileName = dialogs_.ChooseOpenFile(this);
    if (!fileName.isEmpty())
        LoadFromFile(fileName);
}

void TKestrelpadMainForm::EditorDropFiles(TObject*, const std::vector<std::string>& files,
                                          Qt::KeyboardModifiers, TPoint) {
    if (!files.empty())
        Execute([this, &files] { LoadFromFile(QFile::decodeName(files.front().c_str())); });
}

void TKestrelpadMainForm::CopyToclipboardExecute() {
    const std::string text = Text();
    TClipboard::SetText(text);
    WarnOfDangerousCharacters(text);
}

void TKestrelpadMainForm::PasteFromClipboardExecute() {
    ReplaceText(TClipboard::Text());
}

void TKestrelpadMainForm::ClearEditorExecute() {
    if (!editor_->Modified() || Ask(U("文章があります。削除してもいいですか？"))) {
        if (settings_.NewThenIMEOn) {
            editor_->setFocus();
            QGuiApplication::inputMethod()->show();
        }
        ReplaceText(TClipboard::HasText() ? TClipboard::Text() : std::string());
        return; // the replacement brought the counters up to date
    }
    EditorChange(editor_);
}

} // namespace kes
