// Renders named scenes of the real editor into PNG files, for a reviewer to look at before
// trying the program: kespad-gallery OUTPUT_FOLDER.

#include "app/TAppPaths.h"
#include "app/TConfigureKespadForm.h"
#include "app/TDateTimeFormats.h"
#include "app/TFindBar.h"
#include "app/THelpWindow.h"
#include "app/TKestrelpadMainForm.h"
#include "app/TSentenceForm.h"
#include "app/TToolIcons.h"
#include "editor/TEditor.h"
#include "editorex/TEditorExBase.h"
#include "editorex/TEditorExMarks.h"
#include "editorex/TVerticalLines.h"
#include "fountain/TEditorColors.h"
#include "textmodel/TEditorStrings.h"
#include "toolkit/core/TStringList.h"
#include "toolkit/gui/QtText.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QHBoxLayout>
#include <QImage>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextCharFormat>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace kes {
namespace {

std::string Cp932(const QString& text) {
    QString crlf = text;
    crlf.replace("\n", "\r\n");
    return QStringToCp932(crlf);
}

const char* const PostText = "名無しさん、こんにちは。\n"
                             "> 昨日の書き込みを読みました。\n"
                             "> > 引用の引用は二段目の色です。\n"
                             "> > > 三段目。\n"
                             "> > > > 四段目の引用です。\n"
                             "\n"
                             "詳しくは http://www.example.jp/bbs/index.html を見てください。\n"
                             "連絡先: someone@example.jp\n"
                             "半角カナ ｶﾀｶﾅ と機種依存文字 ①②③ ㈱ Ⅳ は掲示板で化けます。\n"
                             "よろしくお願いします。";

struct Scene {
    const char* name;
    std::function<void(TKestrelpadMainForm&)> setup;
};

void SetText(TEditor& editor, const char* utf8) {
    editor.Lines()->SetTextStr(Cp932(QString::fromUtf8(utf8)));
}

// Pop-up windows a scene opened over the main window (menus, boxes): drawn into its picture at
// their places on the screen, then closed.
std::vector<QWidget*>& Overlays() {
    static std::vector<QWidget*> overlays;
    return overlays;
}

void Overlay(TKestrelpadMainForm& form, QWidget* popup, QPoint at) {
    if (auto* menu = qobject_cast<QMenu*>(popup))
        menu->popup(form.mapToGlobal(at));
    else {
        popup->move(form.mapToGlobal(at));
        popup->show();
    }
    Overlays().push_back(popup);
}

// Draft files in slots 1 and 3, so the load menu has two commands to offer.
void ShowSlotMenu(TKestrelpadMainForm& form) {
    SetText(*form.Editor(), PostText);
    form.EditorChange(form.Editor());
    for (int slot : {1, 3}) {
        QFile file(form.Paths().DraftFile(slot));
        if (file.open(QIODevice::WriteOnly))
            file.write("draft");
    }
    form.ApplicationEventsIdle();
    Overlay(form, form.TempLoadMenu(), QPoint(120, 90));
}

void ShowQuestion(TKestrelpadMainForm& form) {
    SetText(*form.Editor(), PostText);
    form.EditorChange(form.Editor());
    auto* box = new QMessageBox(QMessageBox::Question, QStringLiteral("Kestrelpad"),
                                QString::fromUtf8("文章があります。削除してもいいですか？"),
                                QMessageBox::Yes | QMessageBox::No, &form);
    box->setDefaultButton(QMessageBox::No);
    box->adjustSize();
    Overlay(form, box, QPoint(180, 140));
}

// The window with a settings file of that text (ASCII), as if it had started with it.
void UseSettings(TKestrelpadMainForm& form, const char* text) {
    QFile file(form.Paths().SettingsFile());
    if (file.open(QIODevice::WriteOnly))
        file.write(text);
    file.close();
    form.ApplySettings();
}

// A few boards in the address list, opened as a click on its arrow opens it.
const char* const BoardSettings = "[URLList]\r\n"
                                  "http://www.example.jp/bbs/index.html\r\n"
                                  "http://board.example.com/test/read.cgi/news/1234567890/\r\n"
                                  "www.example.net/board/\r\n"
                                  "http://localhost:8080/forum/\r\n";

void ShowBoardList(TKestrelpadMainForm& form) {
    SetText(*form.Editor(), PostText);
    form.EditorChange(form.Editor());
    UseSettings(form, BoardSettings);
    form.URLList()->showPopup();
    QApplication::processEvents();
    Overlays().push_back(form.URLList()->view()->window());
}

void ShowMarks(TEditor& editor) {
    TEditorMarks* marks = editor.Marks();
    marks->EofMark()->SetVisible(true);
    marks->RetMark()->SetVisible(true);
    marks->WrapMark()->SetVisible(true);
    marks->HideMark()->SetVisible(true);
}

// A mouse event at the middle of a cell, as the desktop delivers it to the viewport.
void MouseAt(TEditor& editor, QEvent::Type type, int row, int col, Qt::MouseButtons buttons) {
    const QPointF p(editor.ColLeft(col) + editor.ColWidth() / 2,
                    editor.RowTop(row) + editor.RowHeight() / 2);
    QMouseEvent event(type, p, editor.viewport()->mapToGlobal(p),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(editor.viewport(), &event);
}

// The post text with the search hit for 掲示板 shown in a hit style.
void ShowSearchHit(TEditor& editor, TEditorHitStyle style) {
    SetText(editor, PostText);
    editor.SetHitStyle(style);
    editor.Search(Cp932(QStringLiteral("掲示板")), {TSearchOption::SearchDown});
}

void ShowMark(TEditorMark* mark, TColor color) {
    mark->SetColor(color);
    mark->SetVisible(true);
}

// Every match of a find string underlined in red on a yellow background.
void ShowFindString(TEditorEx& editor, const char* utf8, const char* find,
                    TExSearchOptions options) {
    SetText(editor, utf8);
    ShowMark(editor.ExMarks()->FindMark(), clRed);
    editor.ExMarks()->Hit()->SetBkColor(clYellow);
    editor.SetExSearchOptions(options);
    editor.SetFindString(Cp932(QString::fromUtf8(find)));
}

const char* const FindText = "post と posting と post-it と repost、post。\n"
                             "連絡先: someone@example.jp と other.name@example.com\n"
                             "濁点: が ガ か゛ カ゛ ｶﾞ と 清音: か カ ｶ\n"
                             "> POST は大文字でも見つかります。";

// The NEC copies of ≒ ≡ ∫ √ ⊥ ∠ ∵ ∩ ∪ are written as bytes: text from Unicode takes their
// JIS X 0208 codes.
std::string DangerousText() {
    return Cp932(QString::fromUtf8("ﾊﾝｶｸｶﾅのｶﾞｲﾄﾞとﾊﾟﾝﾌﾚｯﾄ｡ｳﾞｧｲｵﾘﾝ\n"
                                   "丸数字①②⑳、ローマ数字Ⅳとⅲ\n"
                                   "単位㍉㌔㎏㎡、㈱と№と℡、㍻\n"
                                   "NECの ")) +
           "\x87\x90\x87\x91\x87\x92\x87\x95\x87\x96\x87\x97\x87\x9A\x87\x9B\x87\x9C" +
           Cp932(QString::fromUtf8("\n変換できない∮∑∟⊿と髙﨑\n"
                                   "ふつうの文字はそのまま。"));
}

// A post full of characters boards garble, before F8 and after it: the first one it could not
// convert is selected and the status bar counts what it did.
void ShowPostSafe(TKestrelpadMainForm& form, bool convert) {
    form.Editor()->Lines()->SetTextStr(DangerousText());
    if (convert)
        form.Action("PostSafe")->trigger();
}

// The find bar's scenes (after the other scenes of the main window).
void AddFindBarScenes(std::vector<Scene>& scenes);

std::vector<Scene> Scenes() {
    std::vector<Scene> scenes = {
        {"main-window-empty", [](TKestrelpadMainForm& form) { form.ApplicationEventsIdle(); }},
        {"main-window-slot-menu", ShowSlotMenu},
        {"main-window-question", ShowQuestion},
        {"main-window-board-list", ShowBoardList},
        {"post-mail-colours",
         [](TKestrelpadMainForm& form) {
             UseSettings(form, "[Fountain]\r\nQuoteMarkup=1\r\n");
             SetText(*form.Editor(), PostText);
         }},
        {"word-wrap-marks",
         [](TKestrelpadMainForm& form) {
             TEditor& e = *form.Editor();
             ShowMarks(e);
             e.WrapOption()->SetWrapByte(30);
             e.SetWordWrap(true);
             SetText(e, PostText);
         }},
        {"stream-selection",
         [](TKestrelpadMainForm& form) {
             TEditor& e = *form.Editor();
             SetText(e, PostText);
             e.SetSelStart(20);
             e.SetSelLength(60);
         }},
        {"box-selection",
         [](TKestrelpadMainForm& form) {
             TEditor& e = *form.Editor();
             SetText(e, PostText);
             e.SetSelectionMode(smBox);
             e.SetRowCol(1, 4);
             e.StartSelection();
             e.SetRowCol(4, 14);
             e.ExtendSelection();
         }},
        {"ruler-leftbar-imagebar",
         [](TKestrelpadMainForm& form) {
             TEditor& e = *form.Editor();
             e.Ruler()->SetVisible(true);
             e.Leftbar()->SetVisible(true);
             e.Imagebar()->SetVisible(true);
             e.Imagebar()->SetMarkWidth(11);
             e.Marks()->Underline()->SetVisible(true);
             SetText(e, PostText);
             e.PutRowMark(1, 1);
             e.PutRowMark(3, 3);
             e.PutRowMark(3, 10);
             e.PutRowMark(6, 12);
             e.SetRowCol(2, 6);
         }},
        {"composition-in-progress",
         [](TKestrelpadMainForm& form) {
             // "ありがとう" typed, its first two characters being converted.
             TEditor& e = *form.Editor();
             SetText(e, PostText);
             e.SetRowCol(9, 8);
             const QString preedit = QString::fromUtf8("有りがとう");
             QTextCharFormat segment;
             segment.setBackground(Qt::darkBlue);
             QTextCharFormat underline;
             underline.setFontUnderline(true);
             QInputMethodEvent event(
                 preedit,
                 {QInputMethodEvent::Attribute(QInputMethodEvent::TextFormat, 0, 2, segment),
                  QInputMethodEvent::Attribute(QInputMethodEvent::TextFormat, 2, 3, underline),
                  QInputMethodEvent::Attribute(QInputMethodEvent::Cursor, 2, 1)});
             QApplication::sendEvent(&e, &event);
         }},
        {"drag-in-progress",
         [](TKestrelpadMainForm& form) {
             // The selected phrase held by the mouse; the caret marks where it will go.
             TEditor& e = *form.Editor();
             SetText(e, PostText);
             e.SetRowCol(1, 2);
             e.StartSelection();
             e.SetRowCol(1, 18);
             e.ExtendSelection();
             MouseAt(e, QEvent::MouseButtonPress, 1, 8, Qt::LeftButton);
             MouseAt(e, QEvent::MouseMove, 5, 4, Qt::LeftButton);
             MouseAt(e, QEvent::MouseMove, 6, 12, Qt::LeftButton);
         }},
        {"post-safe-before", [](TKestrelpadMainForm& form) { ShowPostSafe(form, false); }},
        {"post-safe-after", [](TKestrelpadMainForm& form) { ShowPostSafe(form, true); }},
        {"search-hit-select",
         [](TKestrelpadMainForm& form) { ShowSearchHit(*form.Editor(), hsSelect); }},
        {"search-hit-draw",
         [](TKestrelpadMainForm& form) {
             // Hit colours of their own, as a find highlighting would set them.
             TEditorColor* hit = form.Editor()->View()->Colors()->Hit();
             hit->SetBkColor(clYellow);
             hit->SetColor(clBlack);
             ShowSearchHit(*form.Editor(), hsDraw);
         }},
        {"search-hit-caret",
         [](TKestrelpadMainForm& form) { ShowSearchHit(*form.Editor(), hsCaret); }},
        {"extended-marks",
         [](TKestrelpadMainForm& form) {
             // Spaces, full-width spaces and tabs framed, the bracket at the caret and its
             // partner, the caret row, every other row, rows with digit and picture marks,
             // and two guide lines.
             TEditorEx& e = *form.Editor();
             TEditorExMarks* marks = e.ExMarks();
             ShowMark(marks->DBSpaceMark(), TColor(0xE08080));
             ShowMark(marks->SpaceMark(), clSilver);
             ShowMark(marks->TabMark(), clGray);
             ShowMark(marks->ParenMark(), clAqua);
             ShowMark(marks->CurrentLine(), TColor(0xC0FFFF));
             ShowMark(marks->EvenLine(), TColor(0xF2F2F2));
             ShowMark(marks->DigitLine(), TColor(0xC8F0C8));
             ShowMark(marks->ImageLine(), TColor(0xF0D8C0));
             ShowMark(marks->Img0Line(), TColor(0xE0C8F8));
             e.Leftbar()->SetVisible(true);
             e.Imagebar()->SetVisible(true);
             for (const auto& [column, color] : {std::pair{20, clBlue}, std::pair{40, clRed}}) {
                 TVerticalLine* line = e.VerticalLines()->Add();
                 line->SetPosition(column);
                 line->SetColor(color);
             }
             SetText(e, "全角スペース「　」と半角スペース「 」\n"
                        "\tタブ\tの\t矢印\n"
                        "括弧の対応: f(a(b)c) と 「かぎ『二重』かっこ」\n"
                        "数字の印の行\n"
                        "画像の印の行 (10)\n"
                        "画像の印の行 (11)\n"
                        "偶数の行には\n"
                        "薄い背景が付きます。");
             e.PutRowMark(3, 2);
             e.PutRowMark(4, 10);
             e.PutRowMark(5, 11);
             e.SetRowCol(2, 14);
         }},
        {"find-plain",
         [](TKestrelpadMainForm& form) { ShowFindString(*form.Editor(), PostText, "引用", 0); }},
        {"find-whole-word",
         [](TKestrelpadMainForm& form) {
             ShowFindString(*form.Editor(), FindText, "post", soWholeWord);
         }},
        {"find-regexp",
         [](TKestrelpadMainForm& form) {
             ShowFindString(*form.Editor(), FindText, "[a-z.]+@[a-z.]+", soRegexp);
         }},
        {"find-fuzzy",
         [](TKestrelpadMainForm& form) {
             ShowFindString(*form.Editor(), FindText, "ｶﾞ", soRegexp | soFuzzy);
         }},
        {"tabs",
         [](TKestrelpadMainForm& form) {
             TEditor& e = *form.Editor();
             ShowMarks(e);
             e.Caret()->SetTabSpaceCount(8);
             e.Ruler()->SetVisible(true);
             SetText(e, "名前\t年齢\t住所\n"
                        "山田\t25\t東京都\n"
                        "\t\t(字下げだけの行)\n"
                        "a\tbb\tccc\tdddd\teeeee\n"
                        "漢字\t\tかな\tｶﾅ\tend");
         }},
    };
    AddFindBarScenes(scenes);
    return scenes;
}

// The find bar as a user opens it: pattern and options set, the next match selected and the
// count in the bar once the worker has it.
void OpenFindBar(TKestrelpadMainForm& form, bool replace, const char* pattern,
                 const TFindQuery& options) {
    SetText(*form.Editor(), FindText);
    form.OpenFindBar(replace);
    TFindBar& bar = *form.FindBar();
    bar.SetOptions(options);
    bar.SetPattern(QString::fromUtf8(pattern));
    form.FindExecute(true);
    for (int i = 0; i < 100 && bar.CountText() == QString::fromUtf8("数えています…"); ++i) {
        QEventLoop wait;
        QTimer::singleShot(10, &wait, &QEventLoop::quit);
        wait.exec();
    }
}

void AddFindBarScenes(std::vector<Scene>& scenes) {
    TFindQuery plain;
    TFindQuery fuzzy;
    fuzzy.Regexp = true;
    fuzzy.Fuzzy = true;
    scenes.push_back({"find-bar-marks", [plain](TKestrelpadMainForm& form) {
                          OpenFindBar(form, false, "post", plain);
                          form.FindExecute(true);
                      }});
    scenes.push_back({"find-bar-pattern-error", [fuzzy](TKestrelpadMainForm& form) {
                          OpenFindBar(form, false, "(post|ｶﾞ", fuzzy);
                      }});
    scenes.push_back({"find-bar-replace", [fuzzy](TKestrelpadMainForm& form) {
                          OpenFindBar(form, true, "ｶﾞ", fuzzy);
                          form.FindBar()->ReplacementEdit()->setText(QString::fromUtf8("ガ"));
                      }});
}

// Every command picture on tool bars at 16 and 32 pixels, the small ones also disabled as the
// empty editor shows them, and the program's icon at its sizes.
std::unique_ptr<QWidget> IconSheet() {
    auto sheet = std::make_unique<QWidget>();
    auto* rows = new QVBoxLayout(sheet.get());
    for (const auto& [size, enabled] :
         {std::pair{16, true}, std::pair{16, false}, std::pair{32, true}}) {
        auto* bar = new QToolBar(sheet.get());
        bar->setIconSize(QSize(size, size));
        for (const QString& name : TToolIcons::ActionNames())
            bar->addAction(TToolIcons::Icon(name), name)->setEnabled(enabled);
        bar->setMinimumWidth(bar->sizeHint().width());
        rows->addWidget(bar);
    }
    auto* appIcons = new QHBoxLayout;
    const QIcon appIcon = TToolIcons::AppIcon();
    for (int size : {16, 24, 32, 48, 64, 128}) {
        auto* label = new QLabel(sheet.get());
        label->setPixmap(appIcon.pixmap(size, size));
        appIcons->addWidget(label, 0, Qt::AlignBottom);
    }
    appIcons->addStretch();
    rows->addLayout(appIcons);
    return sheet;
}

bool Save(QWidget& widget, const QDir& out, const char* name) {
    QString path = out.filePath(QString::fromLatin1(name) + ".png");
    QPixmap picture = widget.grab();
    if (!Overlays().empty()) {
        QPainter painter(&picture);
        for (QWidget* popup : Overlays()) {
            painter.drawPixmap(widget.mapFromGlobal(popup->mapToGlobal(QPoint(0, 0))),
                               popup->grab());
            popup->hide();
        }
        Overlays().clear();
    }
    if (!picture.save(path)) {
        std::fprintf(stderr, "kespad-gallery: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// The phrase window with a few phrases, one picked, and with a phrase the settings file cannot
// keep; the date list on a fixed afternoon. Returns the number of pictures not written.
int PhraseWindows(const QDir& out) {
    TStringList phrases;
    for (const char* phrase :
         {"こんにちは。", "「|」", "よろしくお願いします。", "ありがとうございました。",
          "（´・ω・`）", "以上です。", ">>1 乙です"})
        phrases.Add(Cp932(QString::fromUtf8(phrase)));
    TSentenceForm form;
    int failed = 0;
    const auto shoot = [&](const char* name) {
        QApplication::processEvents();
        failed += !Save(form, out, name);
    };
    form.ShowPhrases(phrases, {40, 40}, true, nullptr);
    form.SentenceList()->setCurrentRow(1);
    shoot("phrase-window");
    form.SEdit()->setText(QString::fromUtf8(" 以上です。"));
    form.AddText()->click();
    shoot("phrase-window-refused");
    TStringList dates;
    TDateTimeFormats::AddTexts(QDateTime(QDate(2004, 3, 5), QTime(15, 7, 3, 42)), dates);
    form.ShowPhrases(dates, {40, 40}, false, nullptr);
    form.SentenceList()->setCurrentRow(9);
    shoot("date-list");
    form.hide();
    return failed;
}

// The configuration dialog's three pages at their designed size, read from a settings file
// with reserved words and boards; then the help window at its contents. Returns the number of
// pictures not written.
int DialogWindows(const QDir& out) {
    QTemporaryDir folder;
    const QString settings = folder.filePath(QStringLiteral("kespad.ini"));
    QFile file(settings);
    if (file.open(QIODevice::WriteOnly))
        file.write(QByteArray("[ReserveWordList]\r\nKestrelpad\r\nsage\r\n") + BoardSettings);
    file.close();
    int failed = 0;
    {
        TConfigureKespadForm form(settings, 96, nullptr);
        form.show();
        const char* const names[] = {"config-editor", "config-reserved", "config-misc"};
        for (int page = 0; page < 3; ++page) {
            form.Pages()->setCurrentIndex(page);
            QApplication::processEvents();
            failed += !Save(form, out, names[page]);
        }
        form.hide();
    }
    THelpWindow help;
    help.ShowSection(TAppPaths::HelpFile(), QStringLiteral("contents"));
    QApplication::processEvents();
    failed += !Save(help, out, "help-window");
    return failed;
}

} // namespace
} // namespace kes

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: kespad-gallery OUTPUT_FOLDER\n");
        return 2;
    }
    QApplication app(argc, argv);
    QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(".")) {
        std::fprintf(stderr, "kespad-gallery: cannot make the folder %s\n", argv[1]);
        return 2;
    }
    int failed = 0;
    for (const kes::Scene& scene : kes::Scenes()) {
        // Each window keeps its settings and drafts in a folder of its own, never the user's.
        QTemporaryDir files;
        kes::TMainFormOptions options;
        options.Paths = kes::TAppPaths::InFolder(files.path());
        kes::TKestrelpadMainForm form(options);
        form.resize(640, 400);
        form.show();
        form.Editor()->setFocus();
        QApplication::processEvents();
        scene.setup(form);
        QApplication::processEvents();
        if (!kes::Save(form, out, scene.name))
            ++failed;
    }
    failed += kes::PhraseWindows(out);
    failed += kes::DialogWindows(out);
    std::unique_ptr<QWidget> icons = kes::IconSheet();
    icons->show();
    QApplication::processEvents();
    if (!kes::Save(*icons, out, "tool-icons"))
        ++failed;
    return failed ? 1 : 0;
}
