#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QListWidget;
class QSpinBox;

namespace kes {

class TFont;

// A font dialog offering only the installed fixed-pitch families (TFixedPitchFonts): the family,
// the size in points, bold and italic, and a sample.
class TFixedPitchFontDialog : public QDialog {
    Q_OBJECT

public:
    // Starts from font, whose colour and other styles the dialog keeps.
    TFixedPitchFontDialog(const TFont& font, double pixelsPerInch, QWidget* parent = nullptr);

    QListWidget* FamilyList() const { return families_; }
    QSpinBox* SizeBox() const { return size_; }
    // The font as chosen, on top of the one the dialog started from.
    void AssignTo(TFont& font) const;

    // Shows the dialog; on OK the choice goes into font and the result is true.
    static bool Execute(QWidget* parent, TFont& font, double pixelsPerInch);

private:
    void UpdateSample();

    double pixelsPerInch_;
    QListWidget* families_;
    QSpinBox* size_;
    QCheckBox* bold_;
    QCheckBox* italic_;
    QLabel* sample_;
};

} // namespace kes
