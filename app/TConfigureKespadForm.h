#pragma once

#include "app/TAppPaths.h"
#include "app/TAppSettings.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace kes {

class TColorBox;
class TFont;

// The configuration dialog: every setting of the settings file but the window's bounds and the
// phrases, on the pages "エディタ", "予約語" and "MISC". It reads the file when it is made and
// writes every value back whenever it closes (OK, Cancel, Esc and the close box alike: the two
// buttons differ only in the result); the caller then applies the file.
class TConfigureKespadForm : public QDialog {
    Q_OBJECT

public:
    // Shows problems of the settings file (a colour that cannot be read, a save that failed).
    using ProblemReporter = std::function<void(QWidget* parent, const QString& message)>;

    TConfigureKespadForm(QString settingsFile, double pixelsPerInch, ProblemReporter showProblems,
                         QWidget* parent = nullptr);

    // Opens the dialog modally over parent, centred on the screen, and returns once it is
    // closed and the file written; the problems go to showProblems (the error box by default)
    // and the help button calls showHelp with the open dialog.
    static int Execute(QWidget* parent, const QString& settingsFile, double pixelsPerInch,
                       ProblemReporter showProblems = StandardProblemReporter(),
                       std::function<void(QDialog* dialog)> showHelp = {});
    static ProblemReporter StandardProblemReporter();

    // What the font button offers (the fixed-pitch font dialog); true when font was changed.
    std::function<bool(QWidget* parent, TFont& font, double pixelsPerInch)> ChooseFont;
    // What the help button shows; the button does nothing while it is empty.
    std::function<void()> ShowHelp;

    // The problems met while reading the file.
    const QStringList& ReadProblems() const { return readProblems_; }

    QTabWidget* Pages() const { return pages_; }
    QPushButton* OKBtn() const { return okBtn_; }
    QPushButton* CancelBtn() const { return cancelBtn_; }
    QPushButton* HelpBtn() const { return helpBtn_; }
    QLabel* EditorFont() const { return editorFont_; }
    QPushButton* FontRefer() const { return fontRefer_; }
    QLineEdit* QuoteMark() const { return quoteMark_; }
    TColorBox* MailAddressColor() const { return mailAddressColor_; }
    TColorBox* URLColor() const { return urlColor_; }
    TColorBox* KeywordColor() const { return keywordColor_; }
    QCheckBox* DangerCharactors() const { return dangerCharactors_; }
    TColorBox* DangerCharactorsColor() const { return dangerCharactorsColor_; }
    QCheckBox* QuoteLine() const { return quoteLine_; }
    // Level 1 is QuoteColor, 2-4 the Level2QuoteColor ... Level4QuoteColor boxes.
    TColorBox* LevelQuoteColor(int level) const { return levelQuoteColors_[level - 1]; }
    QCheckBox* IMEAutoOn() const { return imeAutoOn_; }
    QCheckBox* WordWrap() const { return wordWrap_; }
    QSpinBox* WordWrapCount() const { return wordWrapCount_; }
    QPlainTextEdit* ReserveWordList() const { return reserveWordList_; }
    QPlainTextEdit* URLList() const { return urlList_; }
    QCheckBox* ReadProtection(int slot) const { return readProtection_[slot - 1]; }
    QCheckBox* WriteProtection(int slot) const { return writeProtection_[slot - 1]; }
    // The font the sample panel shows, as it will be written.
    const TAppSettings& SampleFont() const { return font_; }

    void done(int result) override;

private:
    QWidget* MakeEditorPage();
    QWidget* MakeReservePage();
    QWidget* MakeMiscPage();
    void FormCreate();
    void FormDestroy();
    void FontReferClick();
    void ShowSampleFont();

    QString settingsFile_;
    double pixelsPerInch_;
    ProblemReporter showProblems_;
    QStringList readProblems_;
    bool written_ = false;
    // Only the font fields are used: the sample panel's font.
    TAppSettings font_;

    QTabWidget* pages_;
    QPushButton* okBtn_;
    QPushButton* cancelBtn_;
    QPushButton* helpBtn_;
    QLabel* editorFont_ = nullptr;
    QPushButton* fontRefer_ = nullptr;
    QLineEdit* quoteMark_ = nullptr;
    TColorBox* mailAddressColor_ = nullptr;
    TColorBox* urlColor_ = nullptr;
    TColorBox* keywordColor_ = nullptr;
    QCheckBox* dangerCharactors_ = nullptr;
    TColorBox* dangerCharactorsColor_ = nullptr;
    QCheckBox* quoteLine_ = nullptr;
    std::array<TColorBox*, 4> levelQuoteColors_{};
    QCheckBox* imeAutoOn_ = nullptr;
    QCheckBox* wordWrap_ = nullptr;
    QSpinBox* wordWrapCount_ = nullptr;
    QPlainTextEdit* reserveWordList_ = nullptr;
    QPlainTextEdit* urlList_ = nullptr;
    std::array<QCheckBox*, TAppPaths::DraftSlotCount> readProtection_{};
    std::array<QCheckBox*, TAppPaths::DraftSlotCount> writeProtection_{};
};

} // namespace kes
