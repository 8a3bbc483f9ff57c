#pragma once

#include <QMainWindow>

namespace kes {

// The main window of the post editor. It hosts the editor and the application's commands.
class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TMainForm(QWidget* parent = nullptr);
};

} // namespace kes
