#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace kes {

// The boxes and file dialogs through which the main window asks and tells the user. Each is a
// replaceable function, so tests answer the questions and pick the files themselves.
struct TAppDialogs {
    // A modal question with the question icon and Yes and No, after the question beep: true
    // for Yes.
    std::function<bool(QWidget* parent, const QString& question)> Ask;
    // An error that stopped a command, in the error box.
    std::function<void(QWidget* parent, const QString& message)> ShowError;
    // The file to save the text to, or to load it from: an empty string for Cancel. The save
    // dialog asks before an existing file is overwritten.
    std::function<QString(QWidget* parent)> ChooseSaveFile;
    std::function<QString(QWidget* parent)> ChooseOpenFile;

    // The desktop's own boxes and dialogs.
    static TAppDialogs Standard();
};

} // namespace kes
