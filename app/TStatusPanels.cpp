#include "app/TStatusPanels.h"

#include <QLabel>

namespace kes {

namespace {

struct TPanelLayout {
    int width;
    Qt::Alignment alignment;
    const char* text;
};

constexpr std::array<TPanelLayout, TStatusPanels::Count> kPanels = {{
    {290, Qt::AlignLeft, ""},
    {60, Qt::AlignRight, "00000文字"},
    {95, Qt::AlignRight, "000/000行00桁"},
    {50, Qt::AlignLeft, ""},
}};

} // namespace

TStatusPanels::TStatusPanels(QWidget* parent) : QStatusBar(parent) {
    for (int i = 0; i < Count; ++i) {
        auto* label = new QLabel(QString::fromUtf8(kPanels[i].text), this);
        label->setFixedWidth(kPanels[i].width);
        label->setAlignment(kPanels[i].alignment | Qt::AlignVCenter);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setTextFormat(Qt::PlainText);
        addWidget(label);
        panels_[i] = label;
    }
}

QString TStatusPanels::Text(int panel) const {
    return panels_[panel]->text();
}

void TStatusPanels::SetText(int panel, const QString& text) {
    panels_[panel]->setText(text);
}

} // namespace kes
