#include "app/TAppDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace kes {

namespace {

// Text files first, everything second; an unnamed extension becomes ".txt".
QString ChooseFile(QWidget* parent, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    dialog.setNameFilters(
        {QString::fromUtf8("テキストファイル(*.txt)"), QString::fromUtf8("すべて(*)")});
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

} // namespace

TAppDialogs TAppDialogs::Standard() {
    TAppDialogs d;
    d.Ask = [](QWidget* parent, const QString& question) {
        QApplication::beep();
        return QMessageBox::question(parent, QApplication::applicationDisplayName(), question,
                                     QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
    };
    d.ShowError = [](QWidget* parent, const QString& message) {
        QMessageBox::critical(parent, QApplication::applicationDisplayName(), message);
    };
    d.ChooseSaveFile = [](QWidget* parent) { return ChooseFile(parent, QFileDialog::AcceptSave); };
    d.ChooseOpenFile = [](QWidget* parent) { return ChooseFile(parent, QFileDialog::AcceptOpen); };
    return d;
}

} // namespace kes
