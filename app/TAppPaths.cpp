#include "app/TAppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace kes {

namespace {

const QString kSettingsFileName = QStringLiteral("kespad.ini");
const QString kProgramFolderName = QStringLiteral("kestrelpad");

// An XDG base folder: the variable when it holds an absolute path (the desktop's rule: a
// relative one is to be ignored), otherwise the home folder's default.
QString BaseFolder(const char* variable, const QString& homeDefault) {
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return QDir::cleanPath(value);
    QString home = qEnvironmentVariable("HOME");
    if (home.isEmpty())
        home = QDir::homePath();
    return QDir::cleanPath(home + "/" + homeDefault);
}

} // namespace

TAppPaths TAppPaths::Current() {
    return ForExecutableFolder(QCoreApplication::applicationDirPath());
}

TAppPaths TAppPaths::ForExecutableFolder(const QString& executableFolder) {
    TAppPaths paths;
    const QString folder = QDir::cleanPath(executableFolder);
    const QString besideExecutable = folder + "/" + kSettingsFileName;
    if (QFileInfo(besideExecutable).isFile())
        return InFolder(folder);
    paths.settingsFile_ = BaseFolder("XDG_CONFIG_HOME", ".config") + "/" + kProgramFolderName +
                          "/" + kSettingsFileName;
    paths.draftFolder_ =
        BaseFolder("XDG_DATA_HOME", ".local/share") + "/" + kProgramFolderName + "/";
    return paths;
}

TAppPaths TAppPaths::InFolder(const QString& folder) {
    TAppPaths paths;
    const QString clean = QDir::cleanPath(folder);
    paths.portable_ = true;
    paths.settingsFile_ = clean + "/" + kSettingsFileName;
    paths.draftFolder_ = clean + "/";
    return paths;
}

QString TAppPaths::HelpFile() {
    const QString folder = QCoreApplication::applicationDirPath();
    const QString beside = folder + QStringLiteral("/kespad.hlp");
    if (QFileInfo::exists(beside))
        return beside;
    return QDir::cleanPath(folder + QStringLiteral("/../share/kestrelpad/kespad.hlp"));
}

QString TAppPaths::DraftFile(int slot) const {
    return draftFolder_ + QStringLiteral("TempFile%1.txt").arg(slot);
}

} // namespace kes
