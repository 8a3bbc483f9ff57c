#include "app/TMainForm.h"

namespace kes {

// The designed bounds of the main window.
TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle("Kestrelpad");
    setGeometry(222, 267, 496, 378);
}

} // namespace kes
