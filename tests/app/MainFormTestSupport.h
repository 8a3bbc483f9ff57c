#pragma once

#include "app/TKestrelpadMainForm.h"
#include "editorex/TEditorExBase.h"
#include "tests/app/IniTestSupport.h"
#include "textmodel/TEditorStrings.h"

#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>

namespace kes::test {

// Runs the event loop for a while as the program does, waiting for events when there are none
// (QTest::qWait only polls, so the loop never waits and the idle rules never run).
inline void RunEventLoop(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// The window's whole text as the editor holds it (code page 932, CR LF).
inline std::string Text(TKestrelpadMainForm& form) {
    return form.Editor()->Lines()->GetTextStr();
}

// A main window whose files live in a fresh folder, whose questions are answered from a list
// (a question with no answer left fails the test and answers No), whose errors are collected,
// and whose file dialogs pick the names the test gives.
class MainFormFixture {
public:
    MainFormFixture() { QGuiApplication::clipboard()->clear(); }

    // Makes (or makes again, as a restart would) the window; the settings file is written
    // beforehand when settingsText is given (UTF-8, CR LF added).
    TKestrelpadMainForm& Start(const QString& startFile = {}) {
        form.reset();
        TMainFormOptions options;
        options.Paths = TAppPaths::InFolder(folder.path());
        options.StartFile = startFile;
        options.Dialogs.Ask = [this](QWidget*, const QString& question) {
            questions.append(question);
            if (answers.empty()) {
                ADD_FAILURE() << "unexpected question: " << question.toStdString();
                return false;
            }
            const bool yes = answers.front();
            answers.pop_front();
            return yes;
        };
        options.Dialogs.ShowError = [this](QWidget*, const QString& message) {
            errors.append(message);
        };
        options.Dialogs.ChooseSaveFile = [this](QWidget*) { return chosenFile; };
        options.Dialogs.ChooseOpenFile = [this](QWidget*) { return chosenFile; };
        form = std::make_unique<TKestrelpadMainForm>(std::move(options));
        form->show();
        QApplication::setActiveWindow(form.get());
        form->Editor()->setFocus();
        QApplication::processEvents();
        return *form;
    }

    QString Path(const QString& name) const { return folder.filePath(name); }
    void WriteSettings(const char* utf8) { WriteFileBytes(Path("kespad.ini"), Cp932(utf8)); }

    QTemporaryDir folder;
    std::unique_ptr<TKestrelpadMainForm> form;
    std::deque<bool> answers;
    QStringList questions;
    QStringList errors;
    QString chosenFile;
};

} // namespace kes::test
