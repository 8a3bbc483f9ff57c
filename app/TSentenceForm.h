#pragma once

#include <QDialog>
#include <QPoint>

#include <functional>
#include <string>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kes {

class TStrings;

// The fixed-phrase window: a small borderless pop-up with an edit line, the list of phrases,
// Add and Remove beside them and OK and Cancel below. The user picks a phrase (or types one)
// and confirms it; the confirm callback gets the edit line's text. In the editable mode the
// list is the caller's phrase list, which takes the window's list back on OK and on Cancel
// alike, so additions and removals survive a Cancel; in the pick-only mode (the date list) the
// window shows a copy, hides Add and Remove, and never touches the caller's list.
//
// The window closes as if Cancel were pressed when it or the whole program loses activation.
class TSentenceForm : public QDialog {
    Q_OBJECT

public:
    // Gets the confirmed text in code page 932.
    using TConfirm = std::function<void(const std::string& text)>;

    explicit TSentenceForm(QWidget* parent = nullptr);

    // Shows the window with its top-left corner at screenPoint, moved inside the screen's
    // available area when it would stick out, with a copy of list's lines, an empty edit line
    // and the keyboard focus in it. A window still open from an earlier call is cancelled first.
    void ShowPhrases(TStrings& list, QPoint screenPoint, bool editable, TConfirm confirm);

    QLineEdit* SEdit() const { return sEdit_; }
    QPushButton* AddText() const { return addText_; }
    QListWidget* SentenceList() const { return sentenceList_; }
    QPushButton* RemoveText() const { return removeText_; }
    QPushButton* OKBtn() const { return okBtn_; }
    QPushButton* CancelBtn() const { return cancelBtn_; }
    // Tells why the phrase in the edit line was not added; hidden while there is nothing to tell.
    QLabel* Message() const { return message_; }

    void reject() override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void SEditChange();
    void SentenceListClick();
    void AddTextClick();
    void RemoveTextClick();
    void OKBtnClick();
    // Ends a showing: the list goes back to the caller in the editable mode, the window hides,
    // and on confirm the callback runs with the edit line's text.
    void Finish(bool confirm);
    void AddItem(const QString& text);
    void ShowMessage(const QString& text);
    // The designed height, and the message's lines below it while one is shown.
    void FitHeight();

    QFrame* background_;
    QLineEdit* sEdit_;
    QPushButton* addText_;
    QListWidget* sentenceList_;
    QPushButton* removeText_;
    QPushButton* okBtn_;
    QPushButton* cancelBtn_;
    QLabel* message_;

    TStrings* list_ = nullptr; // the caller's list, editable mode only
    TConfirm confirm_;
    bool showing_ = false;
    bool editable_ = false;
};

} // namespace kes
