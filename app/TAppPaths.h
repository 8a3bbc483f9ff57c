#pragma once

#include <QString>

namespace kes {

// Where the program keeps its files. A "kespad.ini" beside the executable makes a portable copy:
// that folder then holds the settings and the drafts. Otherwise they live where the desktop keeps
// a user's files: the settings in $XDG_CONFIG_HOME/kestrelpad/ (~/.config/kestrelpad/), the
// drafts in $XDG_DATA_HOME/kestrelpad/ (~/.local/share/kestrelpad/). The folders may not exist
// yet; whoever writes a file there creates them.
class TAppPaths {
public:
    // The draft slots are numbered 1 to DraftSlotCount.
    static constexpr int DraftSlotCount = 5;

    // The paths for this run of the program, beside its executable.
    static TAppPaths Current();
    // The paths for an executable in executableFolder, with the environment as it is now.
    static TAppPaths ForExecutableFolder(const QString& executableFolder);
    // Everything in one folder, as a portable copy has it (tests, the gallery, benchmarks).
    static TAppPaths InFolder(const QString& folder);

    // The settings file.
    const QString& SettingsFile() const { return settingsFile_; }
    // The folder of the draft files, with a trailing "/".
    const QString& DraftFolder() const { return draftFolder_; }
    // The file of draft slot n (1-5): "TempFile<n>.txt" in DraftFolder().
    QString DraftFile(int slot) const;
    bool Portable() const { return portable_; }

    // The help file: "kespad.hlp" (HTML) beside the executable, or, for an installed copy,
    // in the program's data folder share/kestrelpad/ beside bin/.
    static QString HelpFile();

private:
    QString settingsFile_;
    QString draftFolder_;
    bool portable_ = false;
};

} // namespace kes
