#include "app/TToolIcons.h"

#include "app/TAppIconPainter.h"
#include "app/TToolIconPainter.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <functional>

namespace kes {
namespace {

// A transparent square picture of size pixels, drawn on a grid of gridSize units.
QPixmap Render(int size, int gridSize, const std::function<void(QPainter&)>& draw) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(qreal(size) / gridSize, qreal(size) / gridSize);
    draw(painter);
    painter.end();
    return QPixmap::fromImage(image);
}

} // namespace

QIcon TToolIcons::Icon(const QString& actionName) {
    const TToolIconPainter::Drawing drawing = TToolIconPainter::Find(actionName);
    if (!drawing)
        return QIcon();
    QIcon icon;
    for (int size : {16, 32})
        icon.addPixmap(Render(size, 16, drawing));
    return icon;
}

QStringList TToolIcons::ActionNames() {
    return TToolIconPainter::ActionNames();
}

QIcon TToolIcons::AppIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(Render(size, TAppIconPainter::GridSize, TAppIconPainter::Paint));
    return icon;
}

} // namespace kes
