#pragma once

#include "editorex/TEditorExBase.h"

#include <QMainWindow>

#include <memory>

namespace kes {

class TMailFountain;

// The main window of the post editor: one editor filling the client area, coloured by the
// mail fountain, whose links open on a double click and which takes text dropped from other
// programs. The application's commands, settings and drafts come later.
class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    TEditorExBase* Editor() const { return editor_; }
    TMailFountain* MailFountain() const { return mailFountain_.get(); }
    void SetMailColors(bool quoteMarkup);

private:
    void ConfigureEditor();

    std::unique_ptr<TMailFountain> mailFountain_;
    TEditorExBase* editor_; // owned by the window as its central widget
};

} // namespace kes
