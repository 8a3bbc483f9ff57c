#pragma once

#include <QMainWindow>

#include <memory>

namespace kes {

class TEditor;
class TMailFountain;

// The main window of the post editor: one editor filling the client area, coloured by the
// mail fountain. The application's commands, settings and drafts come later.
class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    TEditor* Editor() const { return editor_; }
    TMailFountain* MailFountain() const { return mailFountain_.get(); }
    void SetMailColors(bool quoteMarkup);

private:
    void ConfigureEditor();

    std::unique_ptr<TMailFountain> mailFountain_;
    TEditor* editor_; // owned by the window as its central widget
};

} // namespace kes
