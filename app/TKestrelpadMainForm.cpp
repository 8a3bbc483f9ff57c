#include "app/TKestrelpadMainForm.h"
#include "app/AppText.h"

#include "app/SettingsKeys.h"
#include "app/THelpWindow.h"
#include "app/TMemIniFileEx.h"
#include "app/TRecoveryStore.h"
#include "app/TStatusPanels.h"
#include "app/TTextFinder.h"
#include "app/TToolIcons.h"
#include "editorex/TEditorExBase.h"
#include "editorex/TEditorExMarks.h"
#include "editorex/TVerticalLines.h"
#include "fountain/TEditorColors.h"
#include "fountain/TMailFountain.h"
#include "textmodel/TEditorScreenStrings.h"
#include "textmodel/TEditorStrings.h"
#include "toolkit/core/Exception.h"
#include "toolkit/core/TStringList.h"
#include "toolkit/gui/QtText.h"
#include "toolkit/gui/ShellOpen.h"
#include "toolkit/gui/TClipboard.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCursor>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <climits>

namespace kes {

namespace {

std::string Cp932(const char* utf8) {
    return QStringToCp932(QString::fromUtf8(utf8));
}

// The window's font and the designed editor font, at the sizes the window was designed in.
constexpr int kDesignedFontHeight = 12;

// The tool area's bars take no tool tips: the window shows its commands' hints in the status
// bar instead.
class TNoToolTips : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ToolTip)
            return true;
        return QObject::eventFilter(watched, event);
    }
};

QRect ToQRect(const TRect& r) {
    return QRect(r.Left, r.Top, r.Width(), r.Height());
}

} // namespace

TKestrelpadMainForm::TKestrelpadMainForm(TMainFormOptions options, QWidget* parent)
    : QMainWindow(parent), paths_(std::move(options.Paths)), dialogs_(std::move(options.Dialogs)),
      startFile_(std::move(options.StartFile)), phrases_(std::make_unique<TStringList>()),
      mailFountain_(std::make_unique<TMailFountain>(nullptr)), editor_(new TEditorExBase(this)),
      actions_(this) {
    setWindowTitle(QStringLiteral("Kestrelpad"));
    TFont windowFont;
    windowFont.SetName("ＭＳ Ｐゴシック");
    windowFont.SetHeight(kDesignedFontHeight);
    setFont(windowFont.ToQFont());
    ConfigureEditor();
    BuildFindBar();
    statusPanels_ = new TStatusPanels(this);
    setStatusBar(statusPanels_);
    BuildMenus();
    BuildToolBars();
    ConnectActions();

    QClipboard* clipboard = QGuiApplication::clipboard();
    connect(clipboard, &QClipboard::dataChanged, this, &TKestrelpadMainForm::ClipboardChanged);
    ClipboardChanged();
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this,
                &TKestrelpadMainForm::ApplicationEventsIdle);

    FormCreate();
    editor_->setFocus();
}

TKestrelpadMainForm::~TKestrelpadMainForm() {
    FormDestroy();
    // The editor goes before the fountain it shows.
    delete editor_;
}

// ---- the editor

// The values in which the post editor's editor differs from the component's defaults.
void TKestrelpadMainForm::ConfigureEditor() {
    TEditorExBase& e = *editor_;
    e.SetFountain(mailFountain_.get());
    TFont* font = e.Font();
    font->SetName("ＭＳ ゴシック");
    font->SetHeight(kDesignedFontHeight);
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

    e.OnChange = MethodOf<&TKestrelpadMainForm::EditorChange>(this);
    e.OnCaretMoved = MethodOf<&TKestrelpadMainForm::EditorCaretMoved>(this);
    e.OnAboveURL = MethodOf<&TKestrelpadMainForm::EditorAboveURL>(this);
    e.OnDropFiles = MethodOf<&TKestrelpadMainForm::EditorDropFiles>(this);
}

// ---- menus and bars

void TKestrelpadMainForm::BuildMenus() {
    for (QAction* action : actions_.All())
        action->setIcon(TToolIcons::Icon(action->objectName()));
    const auto add = [this](QMenu* menu, std::initializer_list<const char*> names) {
        for (const char* name : names) {
            if (*name == '-')
                menu->addSeparator();
            else
                menu->addAction(Action(QString::fromLatin1(name)));
        }
    };
    tempSaveMenu_ = new QMenu(this);
    add(tempSaveMenu_, {"SaveFile1", "SaveFile2", "SaveFile3", "SaveFile4", "SaveFile5"});
    tempLoadMenu_ = new QMenu(this);
    add(tempLoadMenu_, {"LoadFile1", "LoadFile2", "LoadFile3", "LoadFile4", "LoadFile5"});

    QMenu* file = menuBar()->addMenu(U("ファイル(&F)"));
    add(file, {"ClearEditor", "SaveFile", "LoadFile"});
    BuildEncodingCommands(file);
    add(file,
        {"RestoreRecovery", "DiscardRecovery", "-", "CopyToclipboard", "PasteFromClipboard", "-"});
    // The two slot commands carry their slot menus as sub-menus.
    for (auto [name, slotMenu] :
         {std::pair{"DDTempSaveMenu", tempSaveMenu_}, std::pair{"DDTempLoadMenu", tempLoadMenu_}}) {
        QAction* action = Action(QString::fromLatin1(name));
        QMenu* sub = file->addMenu(action->text());
        sub->menuAction()->setStatusTip(action->statusTip());
        sub->menuAction()->setIcon(action->icon());
        sub->menuAction()->setObjectName(action->objectName() + QStringLiteral("Item"));
        sub->addActions(slotMenu->actions());
    }
    add(file, {"-", "AppExit"});

    QMenu* edit = menuBar()->addMenu(U("編集(&E)"));
    add(edit, {"Undo", "Redo", "-", "CutClipboard", "CopyClipboard", "PasteClipboard",
               "PasteClipboardBlockquote", "DeleteSelected", "AllSelect", "BoxSelection", "-",
               "InsertFS", "InsertDateTime", "SetQuoteCode", "PostSafe"});
    QMenu* find = menuBar()->addMenu(U("検索(&S)"));
    add(find, {"Find", "Replace", "-", "FindNext", "FindPrevious"});
    QMenu* settings = menuBar()->addMenu(U("設定(&C)"));
    add(settings, {"Configure"});
    QMenu* help = menuBar()->addMenu(U("ヘルプ(&H)"));
    add(help, {"HelpContents", "-", "About"});

    editorDefaultPopup_ = new QMenu(this);
    add(editorDefaultPopup_,
        {"Undo", "Redo", "-", "CutClipboard", "CopyClipboard", "PasteClipboard",
         "PasteClipboardBlockquote", "DeleteSelected", "AllSelect", "-", "InsertFS",
         "InsertDateTime", "SetQuoteCode", "PostSafe"});
    editor_->SetPopupMenu(editorDefaultPopup_);
    // The shortcuts act wherever the focus is in the window, also with the menu bar hidden.
    addActions(actions_.All());
}

void TKestrelpadMainForm::BuildToolBars() {
    auto* noToolTips = new TNoToolTips(this);
    commandBar_ = addToolBar(U("コマンドバー"));
    commandBar_->setObjectName(QStringLiteral("CommandBar"));
    addToolBarBreak();
    addressBar_ = addToolBar(U("アドレスバー"));
    addressBar_->setObjectName(QStringLiteral("AddressBar"));
    for (QToolBar* bar : {commandBar_, addressBar_}) {
        bar->setMovable(false);
        bar->setFloatable(false);
        bar->setIconSize(QSize(16, 16));
        bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
        bar->installEventFilter(noToolTips);
    }
    const auto add = [this, noToolTips](std::initializer_list<const char*> names) {
        for (const char* name : names) {
            if (*name == '-') {
                commandBar_->addSeparator();
                continue;
            }
            QAction* action = Action(QString::fromLatin1(name));
            commandBar_->addAction(action);
            QWidget* button = commandBar_->widgetForAction(action);
            button->installEventFilter(noToolTips);
            // The slot commands' buttons open their menus at the pointer; their arrows open
            // them under the button.
            if (action == Action("DDTempLoadMenu") || action == Action("DDTempSaveMenu")) {
                auto* tool = static_cast<QToolButton*>(button);
                tool->setMenu(action == Action("DDTempLoadMenu") ? tempLoadMenu_ : tempSaveMenu_);
                tool->setPopupMode(QToolButton::MenuButtonPopup);
            }
        }
    };
    add({"ClearEditor", "CopyToclipboard", "DDTempLoadMenu", "DDTempSaveMenu", "-", "Undo", "Redo",
         "CutClipboard", "CopyClipboard", "PasteClipboard", "-", "InsertFS", "InsertDateTime", "-",
         "Configure", "-", "HelpContents"});

    auto* label = new QLabel(U("アドレス(&A)"), addressBar_);
    urlList_ = new QComboBox(addressBar_);
    urlList_->setObjectName(QStringLiteral("URLList"));
    urlList_->setEditable(false);
    urlList_->setFixedWidth(369);
    label->setBuddy(urlList_);
    label->setContentsMargins(4, 0, 4, 0);
    addressBar_->addWidget(label);
    addressBar_->addWidget(urlList_);
    addressBar_->addAction(Action("GotoBBS"));
    addressBar_->widgetForAction(Action("GotoBBS"))->installEventFilter(noToolTips);
}

void TKestrelpadMainForm::Execute(const std::function<void()>& command) {
    try {
        command();
    } catch (const std::exception& error) {
        dialogs_.ShowError(this, QString::fromUtf8(error.what()));
    }
}

void TKestrelpadMainForm::ConnectActions() {
    const auto on = [this](const char* name, std::function<void()> command) {
        connect(Action(QString::fromLatin1(name)), &QAction::triggered, this,
                [this, command] { Execute(command); });
    };
    TEditorExBase* e = editor_;
    on("ClearEditor", [this] { ClearEditorExecute(); });
    on("SaveFile", [this] { SaveFileExecute(); });
    on("LoadFile", [this] { LoadFileExecute(); });
    on("CopyToclipboard", [this] { CopyToclipboardExecute(); });
    on("PasteFromClipboard", [this] { PasteFromClipboardExecute(); });
    on("AppExit", [this] {
        if (helpWindow_)
            helpWindow_->close();
        close();
    });
    for (int n = 1; n <= TAppPaths::DraftSlotCount; ++n) {
        on(QStringLiteral("SaveFile%1").arg(n).toLatin1().constData(),
           [this, n] { TempSaveFile(n); });
        on(QStringLiteral("LoadFile%1").arg(n).toLatin1().constData(),
           [this, n] { TempLoadFile(n); });
    }
    on("DDTempSaveMenu", [this] { DDTempMenuExecute(tempSaveMenu_); });
    on("DDTempLoadMenu", [this] { DDTempMenuExecute(tempLoadMenu_); });
    on("Undo", [e] { e->Undo(); });
    on("Redo", [e] { e->Redo(); });
    on("CutClipboard", [e] { e->CutToClipboard(); });
    on("CopyClipboard", [e] { e->CopyToClipboard(); });
    on("PasteClipboard", [e] { e->PasteFromClipboard(); });
    on("DeleteSelected", [e] { e->DeleteSelection(); });
    on("AllSelect", [e] { e->SelectAll(); });
    QAction* box = Action("BoxSelection");
    box->setCheckable(true);
    on("BoxSelection", [e, box] { e->SetSelectionMode(box->isChecked() ? smBox : smLine); });
    on("PasteClipboardBlockquote", [this] { PasteClipboardBlockquoteExecute(); });
    on("SetQuoteCode", [this] { SetQuoteCodeExecute(); });
    on("PostSafe", [this] { PostSafeExecute(); });
    on("GotoBBS", [this] { GotoBBSExecute(); });
    on("RestoreRecovery", [this] { RestoreRecoveryExecute(); });
    on("DiscardRecovery", [this] { DiscardRecoveryExecute(); });
    on("HelpContents", [this] { HelpContentsExecute(); });
    on("InsertFS", [this] { InsertFSExecute(); });
    on("InsertDateTime", [this] { InsertDateTimeExecute(); });
    on("Configure", [this] { ConfigureExecute(); });
    on("About", [this] { AboutExecute(); });
    ConnectFindActions();
}

// ---- start and end

void TKestrelpadMainForm::FormCreate() {
    {
        TMemIniFileEx ini(paths_.SettingsFile());
        SetOuterBounds(ini.ReadRect(setting::Window, setting::Size, DesignedBounds));
        ini.ReadStrings(setting::Sentence, *phrases_);
        LoadFindSettings(ini);
        ShowProblems(ini.Problems());
    }
    ApplySettings();
    if (startFile_.isEmpty()) {
        Execute([this] { ClearEditorExecute(); });
    } else {
        // A file named at the start takes the clipboard text's place; one that cannot be read
        // leaves the editor empty.
        Execute([this] { LoadFromFile(startFile_); });
    }
    StartRecovery();
}

void TKestrelpadMainForm::FormDestroy() {
    if (destroyed_)
        return;
    destroyed_ = true;
    // The text is kept, not thrown away: the next start offers it.
    if (recovery_)
        recovery_->WriteNow();
    TMemIniFileEx ini(paths_.SettingsFile());
    ini.WriteRect(setting::Window, setting::Size, OuterBounds());
    ini.WriteStrings(setting::Sentence, *phrases_, false);
    SaveFindSettings(ini);
    ini.Save();
    ShowProblems(ini.Problems());
}

void TKestrelpadMainForm::closeEvent(QCloseEvent* event) {
    FormDestroy();
    QMainWindow::closeEvent(event);
}

void TKestrelpadMainForm::ShowProblems(const QStringList& problems) {
    QStringList shown;
    for (const QString& problem : problems)
        if (!shown.contains(problem))
            shown.append(problem);
    if (!shown.isEmpty())
        dialogs_.ShowError(this, shown.join('\n'));
}

bool TKestrelpadMainForm::Ask(const QString& question) {
    return dialogs_.Ask(this, question);
}

// ---- bounds

void TKestrelpadMainForm::SetOuterBounds(const TRect& bounds) {
    QRect wanted = ToQRect(bounds);
    if (wanted.width() < 100 || wanted.height() < 80)
        wanted.setSize(QSize(std::max(wanted.width(), 100), std::max(wanted.height(), 80)));
    // A window saved on a screen that is gone comes back on the nearest one.
    const QList<QScreen*> screens = QGuiApplication::screens();
    bool visible = screens.isEmpty();
    QScreen* nearest = nullptr;
    long long nearestDistance = LLONG_MAX;
    for (QScreen* screen : screens) {
        const QRect area = screen->availableGeometry();
        const QRect seen = area.intersected(wanted);
        if (seen.width() >= 40 && seen.height() >= 20)
            visible = true;
        const QPoint d = area.center() - wanted.center();
        const long long distance = 1LL * d.x() * d.x() + 1LL * d.y() * d.y();
        if (distance < nearestDistance) {
            nearestDistance = distance;
            nearest = screen;
        }
    }
    if (!visible && nearest) {
        const QRect area = nearest->availableGeometry();
        wanted.setSize(wanted.size().boundedTo(area.size()));
        wanted.moveLeft(std::clamp(wanted.left(), area.left(), area.right() - wanted.width() + 1));
        wanted.moveTop(std::clamp(wanted.top(), area.top(), area.bottom() - wanted.height() + 1));
    }
    pendingBounds_ = Rect(wanted.left(), wanted.top(), wanted.left() + wanted.width(),
                          wanted.top() + wanted.height());
    // The frame's size is known only once the window is shown: until then the client area
    // takes the whole size, and showEvent takes the frame off.
    boundsPending_ = true;
    move(wanted.topLeft());
    resize(wanted.size());
    if (isVisible())
        showEvent(nullptr);
}

TRect TKestrelpadMainForm::OuterBounds() const {
    if (boundsPending_ || !isVisible())
        return pendingBounds_;
    const QRect frame = frameGeometry();
    return Rect(frame.left(), frame.top(), frame.left() + frame.width(),
                frame.top() + frame.height());
}

void TKestrelpadMainForm::showEvent(QShowEvent* event) {
    if (event)
        QMainWindow::showEvent(event);
    if (!boundsPending_)
        return;
    const QSize frame = frameGeometry().size() - geometry().size();
    if (frame.isEmpty() && event) {
        // The window manager frames the window a moment after it is mapped.
        QTimer::singleShot(200, this, [this] { showEvent(nullptr); });
        return;
    }
    boundsPending_ = false;
    const TRect& b = pendingBounds_;
    resize(QSize(b.Width(), b.Height()) - frame);
    move(b.Left, b.Top);
}

// ---- settings

void TKestrelpadMainForm::ApplySettings() {
    TMemIniFileEx ini(paths_.SettingsFile());
    settings_ = TAppSettings::Read(ini, logicalDpiY());
    TEditorExBase& e = *editor_;

    settings_.AssignFontTo(*e.Font());
    e.SetWordWrap(settings_.WordWrap);
    e.WrapOption()->SetWrapByte(settings_.WrapCount);
    if (TVerticalLine* line =
            e.VerticalLines()->Count() > 0 ? e.VerticalLines()->Items(0) : nullptr) {
        line->SetPosition(e.WrapOption()->WrapByte());
        line->SetVisible(e.WordWrap());
    }
    if (settings_.NewThenIMEOn)
        QGuiApplication::inputMethod()->show();

    TMailFountain& f = *mailFountain_;
    f.Mail()->SetColor(settings_.MailAddrColor);
    f.Url()->SetColor(settings_.URLColor);
    f.Reserve()->SetColor(settings_.KeywordColor);
    f.PlatformDependent()->SetColor(settings_.DangerColor());
    f.Kana()->SetColor(f.PlatformDependent()->Color());
    TFountainColor* quotations[] = {f.Quotation1(), f.Quotation2(), f.Quotation3(), f.Quotation4()};
    for (int level = 1; level <= 4; ++level)
        quotations[level - 1]->SetColor(settings_.QuoteColor(level));

    TStringList words;
    for (const std::string& word : settings_.ReserveWordList)
        words.Add(word);
    f.SetReserveWordList(&words);

    urlList_->clear();
    for (const std::string& url : settings_.URLList)
        urlList_->addItem(Cp932ToQString(url));
    if (urlList_->count() > 0)
        urlList_->setCurrentIndex(0);

    ShowProblems(ini.Problems());
}

// ---- idle rules and status panels

void TKestrelpadMainForm::ApplicationEventsIdle() {
    const bool textNotEmpty = TextLength() > 0;
    Action("SaveFile")->setEnabled(textNotEmpty);
    for (int n = 1; n <= TAppPaths::DraftSlotCount; ++n)
        Action(QStringLiteral("SaveFile%1").arg(n))->setEnabled(textNotEmpty);
    for (int n = 1; n <= TAppPaths::DraftSlotCount; ++n)
        Action(QStringLiteral("LoadFile%1").arg(n))
            ->setEnabled(QFileInfo::exists(paths_.DraftFile(n)));
    Action("CopyToclipboard")->setEnabled(textNotEmpty);
    Action("PasteFromClipboard")->setEnabled(clipboardHasText_);
    Action("Redo")->setEnabled(editor_->CanRedo());
    Action("Undo")->setEnabled(editor_->CanUndo());
    const bool selected = editor_->SelLength() > 0;
    Action("CutClipboard")->setEnabled(selected);
    Action("CopyClipboard")->setEnabled(selected);
    Action("DeleteSelected")->setEnabled(selected);
    Action("PasteClipboard")->setEnabled(clipboardHasText_);
    Action("PasteClipboardBlockquote")->setEnabled(clipboardHasText_);
    Action("AllSelect")->setEnabled(Action("ClearEditor")->isEnabled());
    Action("GotoBBS")->setEnabled(!urlList_->currentText().isEmpty());
    Action("BoxSelection")->setChecked(editor_->SelectionMode() == smBox);
    Action("RestoreRecovery")->setEnabled(!offeredRecovery_.isEmpty());
    Action("DiscardRecovery")->setEnabled(!offeredRecovery_.isEmpty());
}

void TKestrelpadMainForm::ClipboardChanged() {
    clipboardHasText_ = TClipboard::HasText();
}

size_t TKestrelpadMainForm::TextLength() const {
    return editor_->Lines()->TextLength();
}

std::string TKestrelpadMainForm::Text() const {
    return editor_->Lines()->GetTextStr();
}

void TKestrelpadMainForm::EditorChange(TObject*) {
    if (recovery_)
        recovery_->TextChanged();
    statusPanels_->SetText(1, QString::asprintf("%4zu", TextLength()) + U("文字"));
    ShowTextFormat();
    EditorCaretMoved(editor_);
    FindTextChanged();
}

void TKestrelpadMainForm::EditorCaretMoved(TObject*) {
    try {
        const TEditorExBase& e = *editor_;
        const int line = e.LineNumber(e.Row()) + 1;
        const int lines = e.Lines()->Count();
        const int offset = std::max(0, e.LineOffset(e.Row(), e.Col())) + 1;
        statusPanels_->SetText(2, QString::asprintf("%3d/%3d", line, lines) + U("行") +
                                      QString::asprintf("%2d", offset) + U("桁"));
    } catch (const std::exception&) {
        // The panel keeps its old text.
    }
}

bool TKestrelpadMainForm::event(QEvent* event) {
    // A command's status text goes to panel 0 only; the window's status bar would otherwise
    // cover all four panels with it.
    if (event->type() == QEvent::StatusTip) {
        statusPanels_->SetText(0, static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

// ---- board addresses and links

void TKestrelpadMainForm::GotoBBSExecute() {
    const QString address = urlList_->currentText();
    if (!address.isEmpty() && !ShellOpen(LinkWithScheme(QStringToCp932(address))))
        statusPanels_->SetText(0, U("%1 を開けませんでした").arg(address));
}

void TKestrelpadMainForm::EditorAboveURL(TObject*, char, Qt::KeyboardModifiers, Qt::MouseButtons,
                                         int x, int y) {
    statusPanels_->SetText(0, Cp932ToQString(editor_->TokenTextAtPos(TPoint{x, y})));
}

} // namespace kes
