#include "app/TAppPaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

namespace kes {
namespace {

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, std::optional<QByteArray> value)
        : name_(name),
          old_(qEnvironmentVariableIsSet(name) ? std::optional<QByteArray>(qgetenv(name))
                                               : std::nullopt) {
        Set(value);
    }
    ~ScopedEnv() { Set(old_); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    void Set(const std::optional<QByteArray>& value) {
        if (value)
            qputenv(name_, *value);
        else
            qunsetenv(name_);
    }

    const char* name_;
    std::optional<QByteArray> old_;
};

TEST(TAppPaths, TheUsersFoldersHoldTheFilesUnlessACopyIsPortable) {
    QTemporaryDir root;
    const QString program = root.filePath("bin");
    QDir().mkpath(program);
    const QString home = root.filePath("home");

    {
        ScopedEnv h("HOME", home.toUtf8());
        ScopedEnv c("XDG_CONFIG_HOME", root.filePath("cfg").toUtf8() + "/");
        ScopedEnv d("XDG_DATA_HOME", root.filePath("data").toUtf8());
        const TAppPaths paths = TAppPaths::ForExecutableFolder(program);
        EXPECT_FALSE(paths.Portable());
        EXPECT_EQ(paths.SettingsFile(), root.filePath("cfg/kestrelpad/kespad.ini"));
        EXPECT_EQ(paths.DraftFolder(), root.filePath("data/kestrelpad/"));
        EXPECT_EQ(paths.DraftFile(3), root.filePath("data/kestrelpad/TempFile3.txt"));
    }
    for (const std::optional<QByteArray>& xdg :
         {std::optional<QByteArray>(), std::optional<QByteArray>(""),
          std::optional<QByteArray>("relative/dir")}) {
        ScopedEnv h("HOME", home.toUtf8());
        ScopedEnv c("XDG_CONFIG_HOME", xdg);
        ScopedEnv d("XDG_DATA_HOME", xdg);
        const TAppPaths paths = TAppPaths::ForExecutableFolder(program);
        const char* shown = xdg ? xdg->constData() : "unset";
        EXPECT_EQ(paths.SettingsFile(), home + "/.config/kestrelpad/kespad.ini") << shown;
        EXPECT_EQ(paths.DraftFile(1), home + "/.local/share/kestrelpad/TempFile1.txt") << shown;
    }

    // A folder named kespad.ini beside the program makes no portable copy; a file does.
    ScopedEnv h("HOME", home.toUtf8());
    QDir(program).mkdir("kespad.ini");
    EXPECT_FALSE(TAppPaths::ForExecutableFolder(program).Portable());
    QDir(program).rmdir("kespad.ini");
    QFile(program + "/kespad.ini").open(QIODevice::WriteOnly);
    const TAppPaths portable = TAppPaths::ForExecutableFolder(program + "/");
    EXPECT_TRUE(portable.Portable());
    EXPECT_EQ(portable.SettingsFile(), program + "/kespad.ini");
    EXPECT_EQ(portable.DraftFile(5), program + "/TempFile5.txt");
}

} // namespace
} // namespace kes
