#include "editor/TEditorPopupMenu.h"

#include "editor/TEditor.h"
#include "textmodel/TEditorScreenStrings.h"
#include "toolkit/gui/TClipboard.h"

#include <QKeyEvent>

#include <algorithm>

namespace kes {

TEditorPopupMenu::TEditorPopupMenu(TEditor* editor) : QMenu(editor), editor_(editor) {
    BuildItems();
    connect(this, &QMenu::aboutToShow, this, [this] { PopupHandler(); });
    editor_->installEventFilter(this);
}

QAction* TEditorPopupMenu::AddItem(QMenu* menu, const QString& caption,
                                   const QKeySequence& shortcut,
                                   void (TEditorPopupMenu::*click)()) {
    QAction* item = menu->addAction(caption);
    item->setShortcut(shortcut);
    item->setShortcutContext(Qt::WidgetShortcut);
    item->setEnabled(false);
    connect(item, &QAction::triggered, this, [this, click] { (this->*click)(); });
    return item;
}

QMenu* TEditorPopupMenu::AddMarkMenu(const QString& caption, std::array<QAction*, MarkCount>& items,
                                     Qt::KeyboardModifiers modifiers,
                                     void (TEditorPopupMenu::*click)(int mark)) {
    QMenu* menu = addMenu(caption);
    for (int mark = 0; mark < MarkCount; ++mark) {
        QAction* item = menu->addAction(QString::number(mark));
        item->setShortcut(QKeySequence(modifiers | static_cast<Qt::Key>(Qt::Key_0 + mark)));
        item->setShortcutContext(Qt::WidgetShortcut);
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, click, mark] { (this->*click)(mark); });
        items[static_cast<size_t>(mark)] = item;
    }
    return menu;
}

void TEditorPopupMenu::BuildItems() {
    markSetMenu_ =
        AddMarkMenu(QString::fromUtf8("マーク設定"), markSetItems_,
                    Qt::ControlModifier | Qt::ShiftModifier, &TEditorPopupMenu::MarkSetClick);
    markJumpMenu_ = AddMarkMenu(QString::fromUtf8("マークジャンプ"), markJumpItems_,
                                Qt::ControlModifier, &TEditorPopupMenu::MarkJumpClick);
    addSeparator();
    undoItem_ = AddItem(this, QString::fromUtf8("元に戻す(&U)"), QKeySequence(Qt::CTRL | Qt::Key_Z),
                        &TEditorPopupMenu::UndoClick);
    redoItem_ = AddItem(this, QString::fromUtf8("やり直し(&R)"), QKeySequence(Qt::CTRL | Qt::Key_A),
                        &TEditorPopupMenu::RedoClick);
    addSeparator();
    cutItem_ = AddItem(this, QString::fromUtf8("切り取り(&T)"), QKeySequence(Qt::CTRL | Qt::Key_X),
                       &TEditorPopupMenu::CutClick);
    copyItem_ = AddItem(this, QString::fromUtf8("コピー(&C)"), QKeySequence(Qt::CTRL | Qt::Key_C),
                        &TEditorPopupMenu::CopyClick);
    pasteItem_ = AddItem(this, QString::fromUtf8("貼り付け(&P)"),
                         QKeySequence(Qt::CTRL | Qt::Key_V), &TEditorPopupMenu::PasteClick);
    boxPasteItem_ = AddItem(this, QString::fromUtf8("Box貼り付け(&B)"),
                            QKeySequence(Qt::CTRL | Qt::Key_B), &TEditorPopupMenu::BoxPasteClick);
    deleteItem_ = AddItem(this, QString::fromUtf8("削除(&D)"), QKeySequence(),
                          &TEditorPopupMenu::DeleteClick);
    addSeparator();
    selectAllItem_ = AddItem(this, QString::fromUtf8("すべて選択(&A)"), QKeySequence(),
                             &TEditorPopupMenu::SelectAllClick);
    addSeparator();
    boxSelectionModeItem_ =
        AddItem(this, QString::fromUtf8("Box選択モード(&K)"), QKeySequence(Qt::CTRL | Qt::Key_K),
                &TEditorPopupMenu::BoxSelectionModeClick);
    boxSelectionModeItem_->setCheckable(true);
    boxSelectionModeItem_->setEnabled(true);
}

QList<QAction*> TEditorPopupMenu::StatefulItems() const {
    return {undoItem_,
            redoItem_,
            cutItem_,
            copyItem_,
            pasteItem_,
            boxPasteItem_,
            boxSelectionModeItem_};
}

void TEditorPopupMenu::SetShortcutsActive(bool active) {
    if (active == shortcutsActive_)
        return;
    shortcutsActive_ = active;
    QList<QAction*> items;
    for (QAction* item : markSetItems_)
        items.append(item);
    for (QAction* item : markJumpItems_)
        items.append(item);
    items.append(StatefulItems());
    for (QAction* item : items) {
        if (active)
            editor_->addAction(item);
        else
            editor_->removeAction(item);
    }
}

bool TEditorPopupMenu::eventFilter(QObject* watched, QEvent* event) {
    // A key with Control may be one of the shortcuts, and the shortcut map looks at the items
    // right after this event: they are attached while this is the editor's pop-up menu, and
    // an item whose state decides what its key does gets the state of now (only then, as the
    // state of the selection can take long to find).
    if (watched == editor_ && event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & Qt::ControlModifier) {
            SetShortcutsActive(editor_->PopupMenu() == this);
            const QKeySequence pressed(key->keyCombination());
            const bool stateful =
                std::ranges::any_of(StatefulItems(), [&pressed](const QAction* item) {
                    return item->shortcut() == pressed;
                });
            if (shortcutsActive_ && stateful)
                PopupHandler();
        }
    }
    return QMenu::eventFilter(watched, event);
}

void TEditorPopupMenu::PopupHandler() {
    const bool writable = !editor_->ReadOnly();
    const bool selected = editor_->Selected() && editor_->SelLength() > 0;
    const bool clipboardText = TClipboard::HasText();
    const bool textNotEmpty = editor_->ListCount() > 1 || !editor_->ListString(0).empty() ||
                              editor_->ListRow(0) == raLineEnd;
    undoItem_->setEnabled(editor_->CanUndo() && writable);
    redoItem_->setEnabled(editor_->CanRedo() && writable);
    cutItem_->setEnabled(selected && writable);
    copyItem_->setEnabled(selected);
    pasteItem_->setEnabled(clipboardText && writable);
    boxPasteItem_->setEnabled(clipboardText && writable);
    deleteItem_->setEnabled(selected && writable);
    selectAllItem_->setEnabled(textNotEmpty);
    boxSelectionModeItem_->setChecked(editor_->SelectionMode() == smBox);
    const TRowMarks used = editor_->ScreenStrings().UsedRowMarks();
    for (int mark = 0; mark < MarkCount; ++mark) {
        const bool set = (used >> mark) & 1;
        markSetItems_[static_cast<size_t>(mark)]->setChecked(set);
        markJumpItems_[static_cast<size_t>(mark)]->setChecked(set);
    }
}

void TEditorPopupMenu::MarkSetClick(int mark) {
    const int row = editor_->Row();
    if ((editor_->ListRowMarks(row) >> mark) & 1)
        editor_->DeleteRowMark(row, mark);
    else
        editor_->PutRowMark(row, mark);
}

void TEditorPopupMenu::MarkJumpClick(int mark) {
    editor_->GotoRowMark(mark);
}

void TEditorPopupMenu::UndoClick() {
    editor_->Undo();
}

void TEditorPopupMenu::RedoClick() {
    editor_->Redo();
}

void TEditorPopupMenu::CutClick() {
    if (!editor_->ReadOnly())
        editor_->CutToClipboard();
}

void TEditorPopupMenu::CopyClick() {
    editor_->CopyToClipboard();
}

void TEditorPopupMenu::PasteClick() {
    editor_->PasteFromClipboard();
}

void TEditorPopupMenu::BoxPasteClick() {
    if (TClipboard::HasText())
        editor_->PasteBox(TClipboard::Text());
}

void TEditorPopupMenu::DeleteClick() {
    if (!editor_->ReadOnly())
        editor_->DeleteSelection();
}

void TEditorPopupMenu::SelectAllClick() {
    editor_->SelectAll();
}

void TEditorPopupMenu::BoxSelectionModeClick() {
    editor_->SetSelectionMode(boxSelectionModeItem_->isChecked() ? smBox : smLine);
}

} // namespace kes
