#include "app/TMainActions.h"
#include "app/AppText.h"

#include "app/TAppPaths.h"

#include <QAction>

#include <vector>

namespace kes {

namespace {

struct TActionRow {
    QString name;
    QString category;
    QString caption;
    QString hint;
    QString status;
    QList<QKeySequence> keys;
    int tag = 0;
};

QList<QKeySequence> Keys(std::initializer_list<const char*> keys) {
    QList<QKeySequence> list;
    for (const char* key : keys)
        list.append(QKeySequence(QString::fromLatin1(key), QKeySequence::PortableText));
    return list;
}

// Captions number the slots with full-width digits, hints and status texts with ASCII ones.
QString FullWidthDigit(int n) {
    return QString(QChar(0xFF10 + n));
}

std::vector<TActionRow> Table() {
    std::vector<TActionRow> rows = {
        {"ClearEditor",
         U("ファイル"),
         U("クリア(&C)"),
         U("エディタのクリア"),
         U("エディタをクリアします"),
         {}},
        {"SaveFile", U("ファイル"), U("保存(&S)..."), U("テキストファイルに保存"),
         U("テキストファイルに保存します。"), Keys({"Ctrl+S"})},
        {"LoadFile", U("ファイル"), U("読み込み(&L)..."), {}, {}, Keys({"Ctrl+O"})},
        // The last file again, in the encoding the person names when the guess was wrong.
        {"ReopenAsShiftJIS",
         U("ファイル"),
         U("Shift_JIS(&S)"),
         U("Shift_JISで開き直す"),
         U("最後のファイルをShift_JISとして開き直します。"),
         {}},
        {"ReopenAsUtf8",
         U("ファイル"),
         U("UTF-8(&U)"),
         U("UTF-8で開き直す"),
         U("最後のファイルをUTF-8として開き直します。"),
         {}},
        {"ReopenAsUtf16LE",
         U("ファイル"),
         U("UTF-16LE(&L)"),
         U("UTF-16LEで開き直す"),
         U("最後のファイルをUTF-16LEとして開き直します。"),
         {}},
        {"ReopenAsUtf16BE",
         U("ファイル"),
         U("UTF-16BE(&B)"),
         U("UTF-16BEで開き直す"),
         U("最後のファイルをUTF-16BEとして開き直します。"),
         {}},
        // What the next save to a chosen file writes; the drafts keep their own format.
        {"SaveAsShiftJIS",
         U("ファイル"),
         U("Shift_JIS(&S)"),
         U("Shift_JISで保存"),
         U("ファイルにShift_JISで保存します。"),
         {}},
        {"SaveAsUtf8",
         U("ファイル"),
         U("UTF-8(&U)"),
         U("UTF-8で保存"),
         U("ファイルにUTF-8で保存します。"),
         {}},
        {"SaveAsUtf8Bom",
         U("ファイル"),
         U("UTF-8 BOM付き(&M)"),
         U("UTF-8 BOM付きで保存"),
         U("ファイルにUTF-8で、先頭にBOMを付けて保存します。"),
         {}},
        {"SaveAsUtf16LE",
         U("ファイル"),
         U("UTF-16LE(&L)"),
         U("UTF-16LEで保存"),
         U("ファイルにUTF-16LE（BOM付き）で保存します。"),
         {}},
        {"SaveAsUtf16BE",
         U("ファイル"),
         U("UTF-16BE(&B)"),
         U("UTF-16BEで保存"),
         U("ファイルにUTF-16BE（BOM付き）で保存します。"),
         {}},
        {"SaveWithCRLF",
         U("ファイル"),
         U("改行 CRLF(&W)"),
         U("改行をCRLFで保存"),
         U("改行をCRLF（Windows）で保存します。"),
         {}},
        {"SaveWithLF",
         U("ファイル"),
         U("改行 LF(&X)"),
         U("改行をLFで保存"),
         U("改行をLF（Linux）で保存します。"),
         {}},
        {"SaveWithCR",
         U("ファイル"),
         U("改行 CR(&C)"),
         U("改行をCRで保存"),
         U("改行をCR（古いMac）で保存します。"),
         {}},
        // A text kept by an earlier run (closed, or ended by a crash): back, or away.
        {"RestoreRecovery",
         U("ファイル"),
         U("前回のテキストを復元(&R)"),
         U("前回のテキストを復元"),
         U("前回の終了時（または異常終了時）に残ったテキストを復元します。"),
         {}},
        {"DiscardRecovery",
         U("ファイル"),
         U("前回のテキストを破棄(&D)"),
         U("前回のテキストを破棄"),
         U("前回の終了時に残ったテキストを捨てます。"),
         {}},
        {"CopyToclipboard", U("ファイル"), U("クリップボードへ(&C)"), U("クリップボードに保存"),
         U("クリップボードに保存します。"), Keys({"Ctrl+Shift+C"})},
        {"PasteFromClipboard", U("ファイル"), U("クリップボードから(&P)"),
         U("クリップボードから読み込む"), U("クリップボードから読み込みます。"),
         Keys({"Ctrl+Shift+V"})},
        {"AppExit", U("ファイル"), U("終了(&X)"), U("終了"), U("Kestrelpadの終了"), {}},
    };
    const int slotCount = TAppPaths::DraftSlotCount;
    for (int n = 1; n <= slotCount; ++n)
        rows.push_back({QStringLiteral("SaveFile%1").arg(n),
                        U("書きかけ"),
                        U("%1に保存(&%2)").arg(FullWidthDigit(n)).arg(n),
                        U("書きかけファイル%1に保存").arg(n),
                        U("書きかけファイル%1に保存します。").arg(n),
                        {QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_0 + n))},
                        n});
    for (int n = 1; n <= slotCount; ++n)
        rows.push_back({QStringLiteral("LoadFile%1").arg(n),
                        U("書きかけ"),
                        U("%1から読み込み(&%2)").arg(FullWidthDigit(n)).arg(n),
                        U("書きかけファイル%1を読み込む").arg(n),
                        U("書きかけファイル%1を読み込みます。").arg(n),
                        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key(Qt::Key_0 + n))},
                        n});
    const std::vector<TActionRow> rest = {
        {"DDTempSaveMenu", U("書きかけ"), U("書きかけ保存(&T)"), U("書きかけファイルに保存"),
         U("書きかけファイルに保存します。"), Keys({"F2"})},
        {"DDTempLoadMenu", U("書きかけ"), U("書きかけ読み込み(&E)"),
         U("書きかけファイルを読み込む"), U("書きかけファイルを読み込みます。"), Keys({"F3"})},
        {"Undo", U("編集"), U("元に戻す(&U)"), U("元に戻す"), U("操作を取り消し、元に戻します。"),
         Keys({"Ctrl+Z"})},
        {"Redo", U("編集"), U("やり直す(&R)"), U("操作をやり直す"), U("直前の操作をやり直します。"),
         Keys({"Ctrl+Y", "Ctrl+Shift+Z"})},
        {"CutClipboard", U("編集"), U("切り取り(&X)"), U("切り取り"), U("選択範囲を切り取ります。"),
         Keys({"Ctrl+X"})},
        {"CopyClipboard", U("編集"), U("コピー(&C)"), U("コピー"), U("選択範囲をコピーします。"),
         Keys({"Ctrl+C"})},
        {"PasteClipboard", U("編集"), U("貼り付け(&V)"), U("貼り付け"),
         U("クリップボードから貼り付けます"), Keys({"Ctrl+V"})},
        {"PasteClipboardBlockquote", U("編集"), U("引用符付き貼り付け(&B)"),
         U("引用符をつけて貼り付け"), U("クリップボードから引用符をつけて貼り付けます"),
         Keys({"Ctrl+B"})},
        {"DeleteSelected", U("編集"), U("削除(&D)"), U("削除"), U("選択範囲を削除します。"), {}},
        {"AllSelect", U("編集"), U("すべて選択(&A)"), U("全体を選択"), U("全体を選択します。"),
         Keys({"Ctrl+A"})},
        // The control's own menu, which the window replaces, is where box selection is
        // switched on; the window offers it here.
        {"BoxSelection", U("編集"), U("矩形選択(&K)"), U("矩形選択"),
         U("矩形（箱型）で選択します。"), Keys({"Ctrl+K"})},
        // The find bar's commands; the keys keep clear of the function keys and the Ctrl
        // shortcuts above.
        {"Find", U("検索"), U("検索(&F)..."), U("文字列の検索"),
         U("検索バーを開いて文字列を検索します。"), Keys({"Ctrl+F"})},
        {"Replace", U("検索"), U("置換(&R)..."), U("文字列の置換"),
         U("検索バーを開いて文字列を置換します。"), Keys({"Ctrl+H"})},
        {"FindNext", U("検索"), U("次を検索(&N)"), U("次を検索"), U("次の一致箇所を検索します。"),
         Keys({"Ctrl+G"})},
        {"FindPrevious", U("検索"), U("前を検索(&P)"), U("前を検索"),
         U("前の一致箇所を検索します。"), Keys({"Ctrl+Shift+G"})},
        {"InsertFS", U("ツール"), U("定型句の挿入(&F)"), U("定型句の挿入"),
         U("定型句を挿入します。"), Keys({"F6"})},
        {"InsertDateTime", U("ツール"), U("日付と時刻の挿入(&D)"), U("日付と時刻の挿入"),
         U("日付および時刻を挿入します。"), Keys({"F7"})},
        {"SetQuoteCode", U("ツール"), U("引用符をつける(&Q)"), U("選択範囲行頭に引用符を付加"),
         U("選択範囲行頭に引用符を付加します。"), Keys({"F10"})},
        {"PostSafe", U("ツール"), U("半角カナ・機種依存文字の変換(&M)"),
         U("半角カナと機種依存文字を変換"),
         U("選択範囲か全体の半角カナと機種依存文字を変換します。"), Keys({"F8"})},
        {"Configure", U("設定"), U("コンフィグ(&C)..."), U("設定"), U("設定を変更します"),
         Keys({"Alt+P"})},
        {"GotoBBS", U("インターネット"), U("指定掲示板にジャンプ(&J)"), U("掲示板に移動"),
         U("指定された掲示板に移動します。"), Keys({"F5"})},
        {"HelpContents", U("ヘルプ"), U("ヘルプ(&H)"), U("ヘルプの目次"), U("ヘルプの目次"),
         Keys({"F1"})},
        {"About",
         U("ヘルプ"),
         U("バージョン情報(&A)..."),
         U("バージョン情報"),
         U("Kestrelpadのバージョン情報を表示します。"),
         {}},
    };
    rows.insert(rows.end(), rest.begin(), rest.end());
    return rows;
}

const char* const kCategory = "category";
const char* const kHint = "hint";

} // namespace

TMainActions::TMainActions(QObject* owner) {
    for (const TActionRow& row : Table()) {
        auto* action = new QAction(row.caption, owner);
        action->setObjectName(row.name);
        action->setProperty(kCategory, row.category);
        action->setProperty(kHint, row.hint);
        action->setToolTip(row.hint.isEmpty() ? QString(row.caption).remove('&') : row.hint);
        action->setStatusTip(row.status);
        action->setShortcuts(row.keys);
        action->setData(row.tag);
        all_.append(action);
        byName_[row.name] = action;
    }
}

QAction* TMainActions::Find(const QString& name) const {
    const auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : it->second;
}

QString TMainActions::Category(const QAction* action) {
    return action->property(kCategory).toString();
}

QString TMainActions::Hint(const QAction* action) {
    return action->property(kHint).toString();
}

int TMainActions::Tag(const QAction* action) {
    return action->data().toInt();
}

} // namespace kes
