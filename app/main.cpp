#include "app/TKestrelpadMainForm.h"
#include "app/TToolIcons.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

// Without a display the toolkit would abort with its own backtrace; say what to do instead.
bool HasDisplay() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform)
        return true;
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

} // namespace

int main(int argc, char* argv[]) {
    if (!HasDisplay()) {
        std::fprintf(stderr,
                     "kespad: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                     "Kestrelpad is a desktop program; start it inside a graphical session, or\n"
                     "under a virtual X server:\n"
                     "    xvfb-run -a %s\n",
                     argv[0]);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Kestrelpad");
    QApplication::setApplicationDisplayName("Kestrelpad");
    QApplication::setWindowIcon(kes::TToolIcons::AppIcon());
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName("kestrelpad");
    kes::TMainFormOptions options;
    // "kespad FILE" opens the file in place of the clipboard's text.
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1)
        options.StartFile = arguments.at(1);
    kes::TKestrelpadMainForm form(std::move(options));
    form.show();
    return app.exec();
}
