#pragma once

#include <QStatusBar>

#include <array>

class QLabel;

namespace kes {

// The main window's status bar: four panels from the left, 290, 60, 95 and 50 pixels wide.
// Panel 0 (left-aligned) shows hints and messages, panel 1 (right) the character count,
// panel 2 (right) the caret position, panel 3 (left) is free.
class TStatusPanels : public QStatusBar {
    Q_OBJECT

public:
    static constexpr int Count = 4;

    explicit TStatusPanels(QWidget* parent = nullptr);

    QString Text(int panel) const;
    void SetText(int panel, const QString& text);
    QLabel* Panel(int panel) const { return panels_[panel]; }

private:
    std::array<QLabel*, Count> panels_{};
};

} // namespace kes
