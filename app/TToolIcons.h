#pragma once

#include <QIcon>
#include <QString>
#include <QStringList>

namespace kes {

// The pictures of the tool buttons and menu commands, and the program's own icon. They are
// painted by the program, so they look the same on every desktop and need no image library.
class TToolIcons {
public:
    // The picture of the command with this action name (ClearEditor, Undo, GotoBBS, ...), at
    // 16 and 32 pixels; a null icon for a command without one.
    static QIcon Icon(const QString& actionName);
    // The action names that have a picture, in the order of the command bar.
    static QStringList ActionNames();
    // The window icon: the picture of desktop/kestrelpad.svg from 16 to 256 pixels.
    static QIcon AppIcon();
};

} // namespace kes
