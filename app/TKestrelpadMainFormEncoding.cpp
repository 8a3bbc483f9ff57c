// The main window's text formats: which encoding and line break a save to a chosen file
// writes, the commands that change it or reopen the last file in another encoding, and status
// panel 3, which shows the format.
#include "app/AppText.h"
#include "app/TKestrelpadMainForm.h"
#include "app/TStatusPanels.h"
#include "editorex/TEditorExBase.h"
#include "textmodel/TEditorStrings.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>

#include <algorithm>
#include <utility>

namespace kes {

namespace {

struct TEncodingCommand {
    const char* action;
    TTextEncoding encoding;
    bool byteOrderMark;
};

// A UTF-16 file is written with its mark: without one no program can tell its byte order.
constexpr TEncodingCommand kSaveEncodings[] = {
    {"SaveAsShiftJIS", teCp932, false}, {"SaveAsUtf8", teUtf8, false},
    {"SaveAsUtf8Bom", teUtf8, true},    {"SaveAsUtf16LE", teUtf16LE, true},
    {"SaveAsUtf16BE", teUtf16BE, true},
};

constexpr std::pair<const char*, TLineBreakStyle> kSaveLineBreaks[] = {
    {"SaveWithCRLF", lbCRLF}, {"SaveWithLF", lbLF}, {"SaveWithCR", lbCR}};

constexpr std::pair<const char*, TTextEncoding> kReopenEncodings[] = {
    {"ReopenAsShiftJIS", teCp932},
    {"ReopenAsUtf8", teUtf8},
    {"ReopenAsUtf16LE", teUtf16LE},
    {"ReopenAsUtf16BE", teUtf16BE}};

// The widest name status panel 3 shows.
const char* const kWidestFormatName = "UTF-8 BOM CRLF";

} // namespace

void TKestrelpadMainForm::BuildEncodingCommands(QMenu* file) {
    QMenu* reopen = file->addMenu(U("文字コードを指定して開き直す(&N)"));
    reopen->menuAction()->setObjectName(QStringLiteral("ReopenMenuItem"));
    reopen->menuAction()->setStatusTip(U("最後のファイルを、指定した文字コードで開き直します。"));
    for (const auto& [name, encoding] : kReopenEncodings) {
        QAction* action = Action(QString::fromLatin1(name));
        action->setEnabled(false);
        reopen->addAction(action);
        connect(action, &QAction::triggered, this, [this, encoding] {
            Execute([this, encoding] { LoadFromFile(lastFile_, encoding); });
        });
    }

    QMenu* save = file->addMenu(U("保存する文字コード(&K)"));
    save->menuAction()->setObjectName(QStringLiteral("SaveFormatMenuItem"));
    save->menuAction()->setStatusTip(U("ファイルに保存するときの文字コードと改行を選びます。"));
    const auto choose = [this, save](QActionGroup* group, const char* name, auto change) {
        QAction* action = Action(QString::fromLatin1(name));
        action->setCheckable(true);
        group->addAction(action);
        save->addAction(action);
        connect(action, &QAction::triggered, this, [this, change] {
            TTextFormat format = editor_->Lines()->TextFormat();
            change(format);
            editor_->Lines()->SetTextFormat(format);
            ShowTextFormat();
        });
    };
    auto* encodings = new QActionGroup(this);
    for (const TEncodingCommand& c : kSaveEncodings)
        choose(encodings, c.action, [c](TTextFormat& format) {
            format.Encoding = c.encoding;
            format.ByteOrderMark = c.byteOrderMark;
        });
    save->addSeparator();
    auto* lineBreaks = new QActionGroup(this);
    for (const auto& [name, lineBreak] : kSaveLineBreaks)
        choose(lineBreaks, name,
               [lineBreak](TTextFormat& format) { format.LineBreak = lineBreak; });

    QLabel* panel = statusPanels_->Panel(3);
    panel->setFixedWidth(
        std::max(panel->width(), panel->fontMetrics().horizontalAdvance(kWidestFormatName) +
                                     2 * panel->frameWidth() + panel->margin() * 2 + 8));
}

void TKestrelpadMainForm::ShowTextFormat() {
    const TTextFormat& format = editor_->Lines()->TextFormat();
    statusPanels_->SetText(3, QString::fromStdString(TextFormatName(format)));
    for (const TEncodingCommand& c : kSaveEncodings)
        Action(QString::fromLatin1(c.action))
            ->setChecked(c.encoding == format.Encoding &&
                         (c.encoding != teUtf8 || c.byteOrderMark == format.ByteOrderMark));
    for (const auto& [name, lineBreak] : kSaveLineBreaks)
        Action(QString::fromLatin1(name))->setChecked(lineBreak == format.LineBreak);
}

void TKestrelpadMainForm::SetLastFile(const QString& fileName) {
    lastFile_ = fileName;
    for (const auto& [name, encoding] : kReopenEncodings)
        Action(QString::fromLatin1(name))->setEnabled(true);
}

} // namespace kes
