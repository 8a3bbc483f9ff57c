#pragma once

#include <QMenu>

#include <array>

class QAction;

namespace kes {

class TEditor;

// The editor's own pop-up menu: row marks, undo and redo, the clipboard, select all and the
// box selection mode. Its shortcut keys act only while it is its editor's pop-up menu, so a
// menu that an application puts in its place owns those keys alone. The items' states are
// set each time the menu opens and before one of its shortcut keys is tried, so a key never
// acts on a stale state.
class TEditorPopupMenu : public QMenu {
    Q_OBJECT

public:
    static constexpr int MarkCount = 10;

    explicit TEditorPopupMenu(TEditor* editor);

    TEditor* Editor() const { return editor_; }

protected:
    virtual void MarkSetClick(int mark);
    virtual void MarkJumpClick(int mark);
    virtual void UndoClick();
    virtual void RedoClick();
    virtual void CutClick();
    virtual void CopyClick();
    virtual void PasteClick();
    virtual void BoxPasteClick();
    virtual void DeleteClick();
    virtual void SelectAllClick();
    virtual void BoxSelectionModeClick();
    // Sets the items' enabled states and check marks from the editor.
    virtual void PopupHandler();
    virtual void BuildItems();

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Adds the items with shortcut keys to the editor (the keys then act while it has the
    // focus) or takes them away.
    void SetShortcutsActive(bool active);
    // The items with a shortcut whose enabled state or check mark decides what the key does.
    QList<QAction*> StatefulItems() const;
    QAction* AddItem(QMenu* menu, const QString& caption, const QKeySequence& shortcut,
                     void (TEditorPopupMenu::*click)());
    QMenu* AddMarkMenu(const QString& caption, std::array<QAction*, MarkCount>& items,
                       Qt::KeyboardModifiers modifiers, void (TEditorPopupMenu::*click)(int mark));

    TEditor* editor_;
    QMenu* markSetMenu_ = nullptr;
    QMenu* markJumpMenu_ = nullptr;
    std::array<QAction*, MarkCount> markSetItems_{};
    std::array<QAction*, MarkCount> markJumpItems_{};
    QAction* undoItem_ = nullptr;
    QAction* redoItem_ = nullptr;
    QAction* cutItem_ = nullptr;
    QAction* copyItem_ = nullptr;
    QAction* pasteItem_ = nullptr;
    QAction* boxPasteItem_ = nullptr;
    QAction* deleteItem_ = nullptr;
    QAction* selectAllItem_ = nullptr;
    QAction* boxSelectionModeItem_ = nullptr;
    bool shortcutsActive_ = false;
};

} // namespace kes
