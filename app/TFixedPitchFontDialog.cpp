#include "app/TFixedPitchFontDialog.h"

#include "app/TFixedPitchFonts.h"
#include "toolkit/gui/TFont.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontInfo>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

namespace kes {

TFixedPitchFontDialog::TFixedPitchFontDialog(const TFont& font, double pixelsPerInch,
                                             QWidget* parent)
    : QDialog(parent), pixelsPerInch_(pixelsPerInch), families_(new QListWidget(this)),
      size_(new QSpinBox(this)), bold_(new QCheckBox(QString::fromUtf8("太字(&B)"), this)),
      italic_(new QCheckBox(QString::fromUtf8("斜体(&I)"), this)), sample_(new QLabel(this)) {
    setWindowTitle(QString::fromUtf8("フォント"));
    families_->addItems(TFixedPitchFonts::Families());
    // A face name of the other desktop ("ＭＳ ゴシック") stands for the family it resolves to.
    const QString family = QFontInfo(font.ToQFont()).family();
    const QList<QListWidgetItem*> found = families_->findItems(family, Qt::MatchFixedString);
    families_->setCurrentRow(found.isEmpty() ? 0 : families_->row(found.first()));
    size_->setRange(4, 72);
    size_->setValue(font.Size(pixelsPerInch));
    bold_->setChecked(font.Style().Contains(fsBold));
    italic_->setChecked(font.Style().Contains(fsItalic));
    sample_->setText(QString::fromUtf8("Aaあぁアァ亜宇"));
    sample_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    sample_->setAlignment(Qt::AlignCenter);
    sample_->setMinimumHeight(60);

    auto* familyLabel = new QLabel(QString::fromUtf8("フォント名(&F)"), this);
    familyLabel->setBuddy(families_);
    auto* sizeLabel = new QLabel(QString::fromUtf8("サイズ(&S)"), this);
    sizeLabel->setBuddy(size_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->addWidget(familyLabel, 0, 0);
    grid->addWidget(sizeLabel, 0, 1);
    grid->addWidget(families_, 1, 0, 4, 1);
    grid->addWidget(size_, 1, 1);
    grid->addWidget(bold_, 2, 1);
    grid->addWidget(italic_, 3, 1);
    grid->setRowStretch(4, 1);
    grid->addWidget(sample_, 5, 0, 1, 2);
    grid->addWidget(buttons, 6, 0, 1, 2);

    connect(families_, &QListWidget::currentRowChanged, this, [this] { UpdateSample(); });
    connect(size_, &QSpinBox::valueChanged, this, [this] { UpdateSample(); });
    connect(bold_, &QCheckBox::toggled, this, [this] { UpdateSample(); });
    connect(italic_, &QCheckBox::toggled, this, [this] { UpdateSample(); });
    buttons->button(QDialogButtonBox::Ok)->setEnabled(families_->count() > 0);
    UpdateSample();
}

void TFixedPitchFontDialog::AssignTo(TFont& font) const {
    if (QListWidgetItem* item = families_->currentItem())
        font.SetName(item->text().toStdString());
    font.SetSize(size_->value(), pixelsPerInch_);
    TFontStyles style = font.Style() - fsBold - fsItalic;
    if (bold_->isChecked())
        style = style + fsBold;
    if (italic_->isChecked())
        style = style + fsItalic;
    font.SetStyle(style);
}

void TFixedPitchFontDialog::UpdateSample() {
    TFont font;
    AssignTo(font);
    sample_->setFont(font.ToQFont());
}

bool TFixedPitchFontDialog::Execute(QWidget* parent, TFont& font, double pixelsPerInch) {
    TFixedPitchFontDialog dialog(font, pixelsPerInch, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.AssignTo(font);
    return true;
}

} // namespace kes
