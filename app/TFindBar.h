#pragma once

#include "app/TFindQuery.h"

#include <QWidget>

#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kes {

// The find bar below the editor: the find text (with the last find strings to pick from), the
// next and previous buttons, the options, the count of matches and a message line for a faulty
// pattern, and a second row with the replacement and its two buttons. The bar only collects
// what the user asks for; the main window searches. Enter in the find text is "next",
// Shift+Enter "previous", Enter in the replacement "replace", Esc anywhere closes the bar.
class TFindBar : public QWidget {
    Q_OBJECT

public:
    explicit TFindBar(QWidget* parent = nullptr);

    // The pattern in code page 932 with the options that apply to it: whole words, widths and
    // blanks for plain text, fuzzy matching for a regular expression.
    TFindQuery Query() const;
    // Sets the check boxes from options (the pattern is left alone).
    void SetOptions(const TFindQuery& options);
    // The options as they are ticked, each check box as it stands.
    TFindQuery Options() const;
    void SetPattern(const QString& pattern);
    void SetHistory(const std::vector<std::string>& history);
    std::string Replacement() const;

    bool ReplaceRowVisible() const;
    void SetReplaceRowVisible(bool visible);
    // Puts the focus into the find text with all of it selected.
    void FocusPattern();

    // The count of matches shown in the bar: a number, "counting", or nothing.
    void ShowCount(int count);
    void ShowCounting();
    void ClearCount();
    // A message about the pattern (empty: none).
    void ShowMessage(const QString& message);
    QString Message() const;
    QString CountText() const;

    QComboBox* PatternBox() const { return pattern_; }
    QLineEdit* ReplacementEdit() const { return replacement_; }

signals:
    void QueryChanged();
    void FindNextRequested();
    void FindPreviousRequested();
    void ReplaceRequested();
    void ReplaceAllRequested();
    void CloseRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void UpdateEnabled();

    QComboBox* pattern_;
    QPushButton* next_;
    QPushButton* previous_;
    QLabel* count_;
    QCheckBox* matchCase_;
    QCheckBox* wholeWord_;
    QCheckBox* regexp_;
    QCheckBox* fuzzy_;
    QCheckBox* ignoreWidth_;
    QCheckBox* ignoreBlanks_;
    QLabel* message_;
    QLabel* replaceLabel_;
    QLineEdit* replacement_;
    QPushButton* replace_;
    QPushButton* replaceAll_;
};

} // namespace kes
