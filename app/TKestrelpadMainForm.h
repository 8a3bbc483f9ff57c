#pragma once

#include "app/TAppDialogs.h"
#include "app/TAppPaths.h"
#include "app/TAppSettings.h"
#include "app/TFindSettings.h"
#include "app/TMainActions.h"
#include "toolkit/core/TRect.h"
#include "toolkit/core/TTextFormat.h"

#include <QMainWindow>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QAction;
class QComboBox;
class QDialog;
class QMenu;
class QToolBar;
class QToolButton;

namespace kes {

class TEditorExBase;
class TFindBar;
class TMatchCounter;
class TMemIniFileEx;
class TTextFinder;
class THelpWindow;
class TRecoveryStore;
class TSentenceForm;
class TMailFountain;
class TObject;
class TStatusPanels;
class TStringList;

// How a main window starts: where its files live, how it asks the user, and a file to open in
// place of the clipboard's text.
struct TMainFormOptions {
    TAppPaths Paths = TAppPaths::Current();
    TAppDialogs Dialogs = TAppDialogs::Standard();
    QString StartFile;
};

// The post editor's main window: the menu bar, a tool area with the command bar and the address
// bar, the editor coloured by the mail fountain, and the status bar. Every command is one of
// the actions of TMainActions; menus, tool buttons and the editor's context menu show them.
// Whenever the event loop is about to wait, the idle rules bring the commands' enabled states
// up to date; the editor's change and caret events keep the status bar's counters current.
class TKestrelpadMainForm : public QMainWindow {
    Q_OBJECT

public:
    // The window's designed bounds (its outer frame), used while no saved size exists.
    static constexpr TRect DesignedBounds{222, 267, 222 + 496, 267 + 378};

    explicit TKestrelpadMainForm(TMainFormOptions options = {}, QWidget* parent = nullptr);
    ~TKestrelpadMainForm() override;

    TEditorExBase* Editor() const { return editor_; }
    TMailFountain* MailFountain() const { return mailFountain_.get(); }
    TStatusPanels* StatusBar() const { return statusPanels_; }
    QComboBox* URLList() const { return urlList_; }
    const TMainActions& Actions() const { return actions_; }
    QAction* Action(const QString& name) const { return actions_.Find(name); }
    QMenu* TempSaveMenu() const { return tempSaveMenu_; }
    QMenu* TempLoadMenu() const { return tempLoadMenu_; }
    QMenu* EditorDefaultPopup() const { return editorDefaultPopup_; }
    QToolBar* CommandBar() const { return commandBar_; }
    QToolBar* AddressBar() const { return addressBar_; }
    const TAppPaths& Paths() const { return paths_; }
    const TAppSettings& Settings() const { return settings_; }
    TStringList& Phrases() const { return *phrases_; }
    THelpWindow* HelpWindow() const { return helpWindow_; }
    // The phrase window, made hidden when first needed.
    TSentenceForm* SentenceForm();
    TRecoveryStore* Recovery() const { return recovery_.get(); }
    const QString& OfferedRecovery() const { return offeredRecovery_; }
    TFindBar* FindBar() const { return findBar_; }
    TTextFinder* Finder() const { return finder_.get(); }
    const TFindSettings& FindSettings() const { return findSettings_; }

    // Reads the settings file anew and applies everything but the bounds and the phrases: the
    // editor font, quote mark, input-method flag, word wrap, the mail fountain's colours and
    // words, the board addresses and the draft protections. Problems are shown in one box.
    void ApplySettings();
    // Brings the commands' enabled states up to date (run whenever the event loop waits).
    void ApplicationEventsIdle();

    // The status panels' counters: "%4d文字" for the text's bytes, then the caret position.
    void EditorChange(TObject* sender);
    // "%3d/%3d行%2d桁": the caret's logical line, the line count and the caret's byte in its
    // line, each 1-based.
    void EditorCaretMoved(TObject* sender);

    // The file commands. Those that write or read a file raise EFileError when it fails; the
    // actions show it in the error box. A chosen file is read in the encoding given or the one
    // it shows, and written in the text's format; the draft slots are always code page 932
    // with CR LF.
    void TempSaveFile(int slot);
    void TempLoadFile(int slot);
    void SaveToFile(const QString& fileName);
    void LoadFromFile(const QString& fileName,
                      std::optional<TTextEncoding> encoding = std::nullopt);

    // The find bar (TKestrelpadMainFormFind.cpp): opened with the first line of the selection
    // as the find text, with or without the replace row; closing it leaves the last match
    // selected and gives the focus back to the editor.
    void OpenFindBar(bool replace);
    void CloseFindBar();
    void FindExecute(bool down);
    void ReplaceExecute();
    void ReplaceAllExecute();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void ConfigureEditor();
    void BuildMenus();
    void BuildToolBars();
    void ConnectActions();
    // Runs a command; an error leaving it is shown in the error box and the program goes on.
    void Execute(const std::function<void()>& command);
    void FormCreate();
    void FormDestroy();
    // Gives the window its outer frame bounds, kept on a screen.
    void SetOuterBounds(const TRect& bounds);
    TRect OuterBounds() const;
    void ShowProblems(const QStringList& problems);
    bool Ask(const QString& question);

    // The file commands' handlers.
    void ClearEditorExecute();
    void SaveFileExecute();
    void LoadFileExecute();
    void CopyToclipboardExecute();
    void PasteFromClipboardExecute();
    void DDTempMenuExecute(QMenu* menu);
    void GotoBBSExecute();
    void PasteClipboardBlockquoteExecute();
    void SetQuoteCodeExecute();
    // Makes the selection, or the whole text, safe for the board (TKestrelpadMainFormPostSafe).
    void PostSafeExecute();
    // Tells in status panel 0 how many characters of the text boards garble, when any do.
    void WarnOfDangerousCharacters(std::string_view text);
    void HelpContentsExecute();
    // Shows the help file at an anchor, over a modal dialog when one is open.
    void ShowHelp(const QString& anchor, QDialog* dialog = nullptr);
    void InsertFSExecute();
    void InsertDateTimeExecute();
    void ConfigureExecute();
    void AboutExecute();
    // The recovery file: this run's own from now on, and the offer of an earlier run's text.
    void StartRecovery();
    void OfferRecovery();
    void RestoreRecoveryExecute();
    void DiscardRecoveryExecute();
    void EditorDropFiles(TObject* sender, const std::vector<std::string>& files,
                         Qt::KeyboardModifiers keyState, TPoint point);
    void EditorAboveURL(TObject* sender, char token, Qt::KeyboardModifiers shift,
                        Qt::MouseButtons buttons, int x, int y);
    // Replaces the whole text, which is then to be saved as code page 932 with CR LF, and
    // brings the counters up to date.
    void ReplaceText(const std::string& text);
    // The text's file format: the commands that choose it and reopen the last file in an
    // encoding, and status panel 3, which shows it.
    void BuildEncodingCommands(QMenu* file);
    void ShowTextFormat();
    void SetLastFile(const QString& fileName);
    std::string Text() const;
    size_t TextLength() const;
    void ClipboardChanged();
    // The find bar's side of the window (TKestrelpadMainFormFind.cpp).
    void BuildFindBar();
    void ConnectFindActions();
    void LoadFindSettings(TMemIniFileEx& ini);
    void SaveFindSettings(TMemIniFileEx& ini);
    void FindQueryChanged();
    // The text or the query changed: the count is out of date. An edit recounts after a pause.
    void FindTextChanged(int delayMs = EditCountDelayMs);
    static constexpr int EditCountDelayMs = 300;

    TAppPaths paths_;
    TAppDialogs dialogs_;
    QString startFile_;
    // The file the encoding commands reopen: the last one loaded or saved; empty before.
    QString lastFile_;
    TAppSettings settings_;
    std::unique_ptr<TStringList> phrases_;
    std::unique_ptr<TMailFountain> mailFountain_;
    TEditorExBase* editor_;
    TMainActions actions_;
    TStatusPanels* statusPanels_ = nullptr;
    QComboBox* urlList_ = nullptr;
    QToolBar* commandBar_ = nullptr;
    QToolBar* addressBar_ = nullptr;
    QMenu* tempSaveMenu_ = nullptr;
    QMenu* tempLoadMenu_ = nullptr;
    QMenu* editorDefaultPopup_ = nullptr;
    THelpWindow* helpWindow_ = nullptr; // made when first asked for
    TSentenceForm* sentenceForm_ = nullptr;
    std::unique_ptr<TRecoveryStore> recovery_;
    // The earlier run's recovery file the File menu offers; empty when there is none.
    QString offeredRecovery_;
    // Whether the clipboard holds text, followed from its change signal: asking its owner on
    // every idle moment would be a round trip to another program.
    bool clipboardHasText_ = false;
    // The outer frame asked for before the window manager's frame was known.
    TRect pendingBounds_{};
    bool boundsPending_ = false;
    bool destroyed_ = false;
    TFindBar* findBar_ = nullptr;
    std::unique_ptr<TTextFinder> finder_;
    TMatchCounter* matchCounter_ = nullptr;
    TFindSettings findSettings_;
};

} // namespace kes
