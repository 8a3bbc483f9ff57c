#include "toolkit/gui/TClipboard.h"

#include "toolkit/gui/TMimeText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <memory>

namespace kes {

// The private "TEditor Box Type" format under a MIME type of our own.
const char* const TClipboard::BoxFormat = "application/x-teditor-box-type";

namespace {

const QMimeData* ClipboardData() {
    return qGuiApp ? QGuiApplication::clipboard()->mimeData() : nullptr;
}

} // namespace

bool TClipboard::HasText() {
    const QMimeData* data = ClipboardData();
    return data && TMimeText::HasText(*data, BoxFormat);
}

bool TClipboard::HasBoxFormat() {
    const QMimeData* data = ClipboardData();
    return data && data->hasFormat(BoxFormat);
}

std::string TClipboard::Text() {
    const QMimeData* data = ClipboardData();
    return data ? TMimeText::Text(*data, BoxFormat) : std::string();
}

void TClipboard::SetText(std::string_view text) {
    if (!qGuiApp)
        return;
    auto data = std::make_unique<QMimeData>();
    data->setText(TMimeText::DesktopText(text));
    QGuiApplication::clipboard()->setMimeData(data.release());
}

void TClipboard::SetBoxText(std::string_view text) {
    if (!qGuiApp)
        return;
    auto data = std::make_unique<QMimeData>();
    TMimeText::SetText(*data, text, BoxFormat);
    QGuiApplication::clipboard()->setMimeData(data.release());
}

} // namespace kes
