#include "app/TConfigureKespadForm.h"

#include "app/TColorBox.h"
#include "app/TFixedPitchFontDialog.h"
#include "app/TMemIniFileEx.h"
#include "toolkit/gui/QtColor.h"
#include "toolkit/gui/QtText.h"
#include "toolkit/gui/TFont.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <string>
#include <vector>

namespace kes {

namespace {

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// A label whose accelerator focuses buddy.
QLabel* Label(const char* caption, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(U(caption), parent);
    label->setBuddy(buddy);
    return label;
}

QString LinesToText(const std::vector<std::string>& lines) {
    QStringList text;
    for (const std::string& line : lines)
        text.append(Cp932ToQString(line));
    return text.join('\n');
}

std::vector<std::string> TextToLines(const QString& text) {
    std::vector<std::string> lines;
    for (const QString& line : text.split('\n'))
        lines.push_back(QStringToCp932(line));
    return lines;
}

} // namespace

TConfigureKespadForm::TConfigureKespadForm(QString settingsFile, double pixelsPerInch,
                                           ProblemReporter showProblems, QWidget* parent)
    : QDialog(parent), settingsFile_(std::move(settingsFile)), pixelsPerInch_(pixelsPerInch),
      showProblems_(std::move(showProblems)), pages_(new QTabWidget(this)),
      okBtn_(new QPushButton(QStringLiteral("OK"), this)),
      cancelBtn_(new QPushButton(U("キャンセル"), this)),
      helpBtn_(new QPushButton(U("ヘルプ(&H)"), this)) {
    ChooseFont = &TFixedPitchFontDialog::Execute;
    setWindowTitle(U("コンフィグ"));
    InstallFontSubstitutions();
    QFont dialogFont(U("ＭＳ Ｐゴシック"));
    dialogFont.setPixelSize(12);
    setFont(dialogFont);

    pages_->setDocumentMode(true);
    pages_->addTab(MakeEditorPage(), U("エディタ(&E)"));
    pages_->addTab(MakeReservePage(), U("予約語"));
    pages_->addTab(MakeMiscPage(), U("&MISC"));

    okBtn_->setDefault(true);
    connect(okBtn_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelBtn_, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpBtn_, &QPushButton::clicked, this, [this] {
        if (ShowHelp)
            ShowHelp();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {okBtn_, cancelBtn_, helpBtn_}) {
        button->setFixedWidth(75);
        buttons->addWidget(button);
    }
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 6, 6, 6);
    column->addWidget(pages_, 1);
    column->addLayout(buttons);
    setFixedSize(360, 333);
    FormCreate();
}

QWidget* TConfigureKespadForm::MakeEditorPage() {
    auto* page = new QWidget;
    editorFont_ = new QLabel(U("Aaあぁアァ亜宇"), page);
    editorFont_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    editorFont_->setAlignment(Qt::AlignCenter);
    editorFont_->setAutoFillBackground(true);
    editorFont_->setFixedHeight(34);
    fontRefer_ = new QPushButton(U("…"), page);
    fontRefer_->setFixedSize(24, 34);
    fontRefer_->setToolTip(U("エディタのフォントを指定します。"));
    connect(fontRefer_, &QPushButton::clicked, this, &TConfigureKespadForm::FontReferClick);

    quoteMark_ = new QLineEdit(page);
    quoteMark_->setAttribute(Qt::WA_InputMethodEnabled, false);
    quoteMark_->setToolTip(U("レス内で、引用であることを示す返信マークを指定します。\n"
                             "※ 色分けには反映されません(^^ゞ\n(初期値：>)"));

    auto colorBox = [page](const char* tip) {
        auto* box = new TColorBox(page);
        box->setToolTip(U(tip));
        return box;
    };
    mailAddressColor_ = colorBox("メールアドレスの文字色を指定します。\n(初期値：ライム)");
    urlColor_ = colorBox("URLの文字色を指定します。\n(初期値：青)");
    keywordColor_ = colorBox("キーワードの文字色を指定します。\n(初期値：赤紫)");
    dangerCharactorsColor_ = colorBox("掲示板で危険な文字(機種依存文字、半角カナ)の文字色を指定"
                                      "します。\n(初期値：赤)");
    levelQuoteColors_[0] = colorBox("引用行(掲示板環境で指定)の文字色を指定します。\n"
                                    "(初期値：青)");
    levelQuoteColors_[1] = colorBox("二重引用の文字色を指定します。\n(初期値：緑)");
    levelQuoteColors_[2] = colorBox("三重引用の文字色を指定します。\n(初期値：茶色)");
    levelQuoteColors_[3] = colorBox("四重以上の引用の文字色を指定します。\n(初期値：オリーブ)");

    auto checkBox = [page](const char* caption, const char* tip) {
        auto* box = new QCheckBox(U(caption), page);
        box->setToolTip(U(tip));
        return box;
    };
    dangerCharactors_ =
        checkBox("危険な文字(&D)", "掲示板で危険な文字(機種依存文字、半角カナ)を色分けするかどう"
                                   "か指定します。\n(初期値：する)");
    quoteLine_ =
        checkBox("引用行(&Q)", "引用行を色分けするかどうかを指定します。\n(初期値：しない)");
    imeAutoOn_ = checkBox("起動＆クリアの時にIMEをオンにする(&O)",
                          "Kestrelpad起動時および、メニューの\"クリア\"を選択したときに、\n"
                          "IMEを自動的にオンに設定します。\n(初期値：しない)");
    wordWrap_ = checkBox("ワードラップ(折り返し/&W)",
                         "エディタ上での折り返し(ワードラップ)をするようにします。\n"
                         "(初期値：しない)");
    wordWrapCount_ = new QSpinBox(page);
    wordWrapCount_->setRange(0, 1000);
    wordWrapCount_->setSingleStep(10);
    wordWrapCount_->setFixedWidth(64);
    wordWrapCount_->setToolTip(U("ワードラップをする場合の、折り返す桁数(全角を二文字分として)を"
                                 "指定します。\n(初期値：80)"));

    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(4, 8, 4, 8);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(5);
    auto* fontRow = new QHBoxLayout;
    fontRow->setSpacing(2);
    fontRow->addWidget(editorFont_, 1);
    fontRow->addWidget(fontRefer_);
    grid->addLayout(fontRow, 0, 0, 1, 4);
    grid->addWidget(Label("引用符(&M)", quoteMark_, page), 1, 0);
    grid->addWidget(quoteMark_, 1, 1);
    grid->addWidget(Label("メールアドレス(&M)", mailAddressColor_, page), 2, 0);
    grid->addWidget(mailAddressColor_, 2, 1);
    grid->addWidget(Label("URL(&U)", urlColor_, page), 3, 0);
    grid->addWidget(urlColor_, 3, 1);
    grid->addWidget(Label("キーワード(&K)", keywordColor_, page), 4, 0);
    grid->addWidget(keywordColor_, 4, 1);
    grid->addWidget(dangerCharactors_, 5, 0);
    grid->addWidget(dangerCharactorsColor_, 5, 1);
    grid->addWidget(quoteLine_, 2, 2);
    grid->addWidget(levelQuoteColors_[0], 2, 3);
    grid->addWidget(Label("レベル&2", levelQuoteColors_[1], page), 3, 2);
    grid->addWidget(levelQuoteColors_[1], 3, 3);
    grid->addWidget(Label("レベル&3", levelQuoteColors_[2], page), 4, 2);
    grid->addWidget(levelQuoteColors_[2], 4, 3);
    grid->addWidget(Label("レベル&4以上", levelQuoteColors_[3], page), 5, 2);
    grid->addWidget(levelQuoteColors_[3], 5, 3);
    grid->addWidget(imeAutoOn_, 6, 0, 1, 4);
    auto* wrapRow = new QHBoxLayout;
    wrapRow->addWidget(wordWrap_);
    wrapRow->addWidget(wordWrapCount_);
    wrapRow->addStretch();
    grid->addLayout(wrapRow, 7, 0, 1, 4);
    grid->setRowStretch(8, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return page;
}

QWidget* TConfigureKespadForm::MakeReservePage() {
    auto* page = new QWidget;
    auto* note = new QLabel(U("キーワードとしたい文字を、各行一語ずつ入力してください。\n"
                              "ひらがな・漢字など、異種の文字が混在したものは、\n"
                              "認識できないのでご注意ください。"),
                            page);
    note->setAlignment(Qt::AlignCenter);
    reserveWordList_ = new QPlainTextEdit(page);
    reserveWordList_->setLineWrapMode(QPlainTextEdit::NoWrap);
    reserveWordList_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(6, 6, 6, 6);
    column->addWidget(note);
    column->addWidget(reserveWordList_, 1);
    return page;
}

QWidget* TConfigureKespadForm::MakeMiscPage() {
    auto* page = new QWidget;
    auto* group = new QGroupBox(U("掲示板アドレスリスト(&B)"), page);
    urlList_ = new QPlainTextEdit(group);
    urlList_->setLineWrapMode(QPlainTextEdit::NoWrap);
    urlList_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    urlList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* groupColumn = new QVBoxLayout(group);
    groupColumn->setContentsMargins(6, 4, 6, 6);
    groupColumn->addWidget(urlList_);
    // The group's accelerator goes to its edit.
    connect(group, &QGroupBox::clicked, urlList_, [this] { urlList_->setFocus(); });

    auto* protect = new QGridLayout;
    protect->setHorizontalSpacing(16);
    protect->setVerticalSpacing(2);
    protect->addWidget(new QLabel(U("書きかけファイルのプロテクト"), page), 0, 0, 1, 6);
    for (int n = 1; n <= TAppPaths::DraftSlotCount; ++n) {
        auto* read = new QCheckBox(page);
        auto* write = new QCheckBox(page);
        read->setObjectName(QStringLiteral("Read%1Protection").arg(n));
        write->setObjectName(QStringLiteral("Write%1Protection").arg(n));
        readProtection_[n - 1] = read;
        writeProtection_[n - 1] = write;
        const std::string caption = "ファイル&" + std::to_string(n);
        protect->addWidget(Label(caption.c_str(), read, page), 1, n, Qt::AlignHCenter);
        protect->addWidget(read, 2, n, Qt::AlignHCenter);
        protect->addWidget(write, 3, n, Qt::AlignHCenter);
    }
    protect->addWidget(new QLabel(U("読込"), page), 2, 0);
    protect->addWidget(new QLabel(U("書込"), page), 3, 0);
    protect->setColumnStretch(6, 1);

    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(6, 6, 6, 6);
    column->addWidget(group, 1);
    column->addLayout(protect);
    return page;
}

void TConfigureKespadForm::FormCreate() {
    TMemIniFileEx ini(settingsFile_);
    const TAppSettings s = TAppSettings::Read(ini, pixelsPerInch_);
    readProblems_ = ini.Problems();
    font_ = s;
    ShowSampleFont();
    quoteMark_->setText(Cp932ToQString(s.QuoteString));
    imeAutoOn_->setChecked(s.NewThenIMEOn);
    wordWrap_->setChecked(s.WordWrap);
    wordWrapCount_->setValue(s.WrapCount);

    mailAddressColor_->SetColor(s.MailAddrColor);
    urlColor_->SetColor(s.URLColor);
    keywordColor_->SetColor(s.KeywordColor);
    dangerCharactorsColor_->SetColor(s.DangerCharactorsColor);
    for (size_t i = 0; i < levelQuoteColors_.size(); ++i)
        levelQuoteColors_[i]->SetColor(s.LevelQuoteColors[i]);
    dangerCharactors_->setChecked(s.DangerCharEnable);
    quoteLine_->setChecked(s.QuoteMarkup);

    reserveWordList_->setPlainText(LinesToText(s.ReserveWordList));
    urlList_->setPlainText(LinesToText(s.URLList));

    for (int n = 1; n <= TAppPaths::DraftSlotCount; ++n) {
        readProtection_[n - 1]->setChecked(s.ReadProtect[n - 1]);
        writeProtection_[n - 1]->setChecked(s.WriteProtect[n - 1]);
    }
}

void TConfigureKespadForm::FormDestroy() {
    TAppSettings s = font_;
    s.QuoteString = QStringToCp932(quoteMark_->text());
    s.NewThenIMEOn = imeAutoOn_->isChecked();
    s.WordWrap = wordWrap_->isChecked();
    s.WrapCount = wordWrapCount_->value();

    s.MailAddrColor = mailAddressColor_->Color();
    s.URLColor = urlColor_->Color();
    s.KeywordColor = keywordColor_->Color();
    s.DangerCharactorsColor = dangerCharactorsColor_->Color();
    for (size_t i = 0; i < levelQuoteColors_.size(); ++i)
        s.LevelQuoteColors[i] = levelQuoteColors_[i]->Color();
    s.DangerCharEnable = dangerCharactors_->isChecked();
    s.QuoteMarkup = quoteLine_->isChecked();

    s.ReserveWordList = TextToLines(reserveWordList_->toPlainText());
    s.URLList = TextToLines(urlList_->toPlainText());

    for (int n = 1; n <= TAppPaths::DraftSlotCount; ++n) {
        s.ReadProtect[n - 1] = readProtection_[n - 1]->isChecked();
        s.WriteProtect[n - 1] = writeProtection_[n - 1]->isChecked();
    }

    TMemIniFileEx ini(settingsFile_);
    s.Write(ini, pixelsPerInch_);
    ini.Save();
    if (!ini.Problems().isEmpty() && showProblems_)
        showProblems_(this, ini.Problems().join('\n'));
}

void TConfigureKespadForm::done(int result) {
    // Every way out writes the file, once.
    if (!written_) {
        written_ = true;
        FormDestroy();
    }
    QDialog::done(result);
}

void TConfigureKespadForm::FontReferClick() {
    TFont font;
    font_.AssignFontTo(font);
    if (!ChooseFont || !ChooseFont(this, font, pixelsPerInch_))
        return;
    font_.SetFont(font);
    ShowSampleFont();
}

void TConfigureKespadForm::ShowSampleFont() {
    TFont font;
    font_.AssignFontTo(font);
    QFont shown = font.ToQFont();
    shown.setUnderline(font.Style().Contains(fsUnderline));
    editorFont_->setFont(shown);
    QPalette palette = editorFont_->palette();
    palette.setColor(QPalette::WindowText, ToQColor(font.Color()));
    editorFont_->setPalette(palette);
}

int TConfigureKespadForm::Execute(QWidget* parent, const QString& settingsFile,
                                  double pixelsPerInch, ProblemReporter showProblems,
                                  std::function<void(QDialog* dialog)> showHelp) {
    TConfigureKespadForm form(settingsFile, pixelsPerInch, showProblems, parent);
    if (showHelp)
        form.ShowHelp = [&form, &showHelp] { showHelp(&form); };
    if (!form.ReadProblems().isEmpty() && showProblems)
        showProblems(parent, form.ReadProblems().join('\n'));
    QScreen* screen = parent ? parent->screen() : form.screen();
    if (screen)
        form.move(screen->availableGeometry().center() - form.rect().center());
    return form.exec();
}

TConfigureKespadForm::ProblemReporter TConfigureKespadForm::StandardProblemReporter() {
    return [](QWidget* parent, const QString& message) {
        QMessageBox::warning(parent, U("コンフィグ"), message);
    };
}

} // namespace kes
