#include "app/TToolIconPainter.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

#include <initializer_list>
#include <utility>

namespace kes {
namespace {

const QColor Ink(0x3d4046);
const QColor Paper(0xffffff);
const QColor Fold(0xd5dbe2);
const QColor Writing(0x7f96b0);
const QColor Blue(0x3b78c6);
const QColor BlueDark(0x1d4c88);
const QColor Sky(0x9ccaf0);
const QColor Green(0x3a9e4c);
const QColor GreenDark(0x1f6a2f);
const QColor Amber(0xd8a256);
const QColor AmberDark(0x8a5a1c);
const QColor Folder(0xf0c462);
const QColor Metal(0xb4bcc6);
const QColor Steel(0x5d646d);
const QColor Red(0xcf3b30);
const QColor RedDark(0x8e2018);
const QColor Yellow(0xf6c937);
const QColor Tray(0xcdd6e0);

// Every outline is one unit wide.
void Outlined(QPainter& painter, const QColor& line, const QColor& fill) {
    painter.setPen(QPen(line, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(fill);
}

// A sheet covering the pixels left..right and top..bottom, its top right corner folded down.
void Page(QPainter& painter, qreal left, qreal top, qreal right, qreal bottom, qreal fold) {
    const qreal l = left + 0.5, t = top + 0.5, r = right + 0.5, b = bottom + 0.5;
    Outlined(painter, Ink, Paper);
    painter.drawPolygon(QPolygonF(
        {QPointF(l, t), QPointF(r - fold, t), QPointF(r, t + fold), QPointF(r, b), QPointF(l, b)}));
    Outlined(painter, Ink, Fold);
    painter.drawPolygon(
        QPolygonF({QPointF(r - fold, t), QPointF(r - fold, t + fold), QPointF(r, t + fold)}));
}

// Lines of writing over the pixels left..right, one in each of the given pixel rows.
void Writings(QPainter& painter, qreal left, qreal right, std::initializer_list<qreal> rows) {
    painter.setPen(QPen(Writing, 1, Qt::SolidLine, Qt::FlatCap));
    for (qreal row : rows)
        painter.drawLine(QLineF(left, row + 0.5, right + 1, row + 0.5));
}

// A clipboard over the pixels left..right and top..bottom, its clip at the top.
void Clipboard(QPainter& painter, qreal left, qreal top, qreal right, qreal bottom) {
    Outlined(painter, AmberDark, Amber);
    painter.drawRoundedRect(
        QRectF(QPointF(left + 0.5, top + 1.5), QPointF(right + 0.5, bottom + 0.5)), 1.5, 1.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Paper);
    painter.drawRect(QRectF(QPointF(left + 2, top + 4), QPointF(right - 1, bottom - 1)));
    const qreal middle = (left + right + 1) / 2;
    Outlined(painter, Ink, Metal);
    painter.drawRoundedRect(
        QRectF(QPointF(middle - 2.5, top + 0.5), QPointF(middle + 2.5, top + 3.5)), 1, 1);
}

// A filled shape with its outline; lines and arcs are made shapes by their width.
void Shape(QPainter& painter, const QPainterPath& path, const QColor& line, const QColor& fill) {
    Outlined(painter, line, fill);
    painter.drawPath(path.simplified());
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    return path;
}

QPainterPath Thick(const QPainterPath& line, qreal width) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::FlatCap);
    stroker.setJoinStyle(Qt::MiterJoin);
    return stroker.createStroke(line);
}

// The tray the drafts are parked in.
void DraftTray(QPainter& painter) {
    Outlined(painter, Ink, Tray);
    painter.drawPolygon(QPolygonF({QPointF(0.5, 8.5), QPointF(4.5, 8.5), QPointF(5.5, 11.5),
                                   QPointF(10.5, 11.5), QPointF(11.5, 8.5), QPointF(15.5, 8.5),
                                   QPointF(15.5, 15.5), QPointF(0.5, 15.5)}));
}

void ClearEditor(QPainter& painter) {
    Page(painter, 3, 1, 14, 15, 4);
    // A spark: the sheet is new.
    Outlined(painter, AmberDark, Yellow);
    painter.drawPolygon(
        QPolygonF({QPointF(4.5, 0.5), QPointF(5.7, 3.3), QPointF(8.5, 4.5), QPointF(5.7, 5.7),
                   QPointF(4.5, 8.5), QPointF(3.3, 5.7), QPointF(0.5, 4.5), QPointF(3.3, 3.3)}));
}

void CopyToclipboard(QPainter& painter) {
    Clipboard(painter, 5, 1, 15, 15);
    Writings(painter, 8, 12, {7, 9, 11, 13});
    Shape(painter,
          Polygon({QPointF(0.5, 7.5), QPointF(4.5, 7.5), QPointF(4.5, 4.5), QPointF(9.5, 9),
                   QPointF(4.5, 13.5), QPointF(4.5, 10.5), QPointF(0.5, 10.5)}),
          BlueDark, Blue);
}

void DDTempLoadMenu(QPainter& painter) {
    DraftTray(painter);
    Shape(painter,
          Polygon({QPointF(6.5, 11), QPointF(6.5, 5.5), QPointF(3.5, 5.5), QPointF(8, 0.5),
                   QPointF(12.5, 5.5), QPointF(9.5, 5.5), QPointF(9.5, 11)}),
          GreenDark, Green);
}

void DDTempSaveMenu(QPainter& painter) {
    DraftTray(painter);
    Shape(painter,
          Polygon({QPointF(6.5, 0.5), QPointF(9.5, 0.5), QPointF(9.5, 5.5), QPointF(12.5, 5.5),
                   QPointF(8, 10.5), QPointF(3.5, 5.5), QPointF(6.5, 5.5)}),
          BlueDark, Blue);
}

// An arrow turning back to the left, the head at the top.
void Undo(QPainter& painter) {
    QPainterPath shaft(QPointF(5, 5.5));
    shaft.lineTo(9.5, 5.5);
    shaft.arcTo(QRectF(5.5, 5.5, 8, 8), 90, -180);
    shaft.lineTo(5, 13.5);
    QPainterPath arrow = Thick(shaft, 3);
    arrow.addPath(Polygon({QPointF(0.5, 5.5), QPointF(5.5, 0.5), QPointF(5.5, 10.5)}));
    Shape(painter, arrow, BlueDark, Blue);
}

void Redo(QPainter& painter) {
    painter.translate(16, 0);
    painter.scale(-1, 1);
    Undo(painter);
}

void CutClipboard(QPainter& painter) {
    painter.setPen(QPen(Steel, 1.8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QLineF(5.5, 10, 11.5, 0.8));
    painter.drawLine(QLineF(10.5, 10, 4.5, 0.8));
    painter.setPen(QPen(Red, 1.7));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(4, 12.5), 2.6, 2.6);
    painter.drawEllipse(QPointF(12, 12.5), 2.6, 2.6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Ink);
    painter.drawEllipse(QPointF(8, 6.1), 1, 1);
}

void CopyClipboard(QPainter& painter) {
    Page(painter, 1, 0, 9, 11, 3);
    Writings(painter, 3, 6, {4, 6, 8});
    Page(painter, 6, 4, 14, 15, 3);
    Writings(painter, 8, 11, {8, 10, 12});
}

void PasteClipboard(QPainter& painter) {
    Clipboard(painter, 0, 1, 11, 15);
    Page(painter, 7, 6, 15, 15, 3);
    Writings(painter, 9, 12, {10, 12});
}

// A speech balloon with a phrase in it.
void InsertFS(QPainter& painter) {
    QPainterPath balloon;
    balloon.addRoundedRect(QRectF(0.5, 1.5, 15, 10), 2.5, 2.5);
    balloon.addPath(Polygon({QPointF(3.5, 10), QPointF(3.5, 15), QPointF(8.5, 10)}));
    Shape(painter, balloon, Ink, Paper);
    painter.setPen(QPen(Blue, 1, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QLineF(3, 5.5, 13, 5.5));
    painter.drawLine(QLineF(3, 7.5, 10, 7.5));
}

// A calendar sheet with a clock in front.
void InsertDateTime(QPainter& painter) {
    Outlined(painter, Ink, Paper);
    painter.drawRect(QRectF(QPointF(0.5, 1.5), QPointF(12.5, 13.5)));
    Outlined(painter, RedDark, Red);
    painter.drawRect(QRectF(QPointF(0.5, 1.5), QPointF(12.5, 4.5)));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Ink);
    for (qreal x : {3, 9})
        painter.drawRect(QRectF(x, 0, 1, 3));
    painter.setBrush(Writing);
    for (qreal y : {6, 9})
        for (qreal x : {2, 5, 8})
            painter.drawRect(QRectF(x, y, 2, 2));
    painter.drawRect(QRectF(2, 12, 2, 1));
    Outlined(painter, Ink, Paper);
    painter.drawEllipse(QPointF(11.5, 11.5), 4, 4);
    painter.setPen(QPen(BlueDark, 1.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QLineF(11.5, 11.5, 11.5, 9));
    painter.drawLine(QLineF(11.5, 11.5, 13.5, 11.5));
}

// A cog wheel with eight teeth.
void Configure(QPainter& painter) {
    const QPointF centre(8, 8);
    const qreal outer = 7.2, inner = 5.2;
    QPolygonF teeth;
    for (int tooth = 0; tooth < 8; ++tooth) {
        const qreal angle = tooth * 45.0;
        for (const auto& [radius, offset] :
             {std::pair{inner, -22.5}, std::pair{inner, -13.0}, std::pair{outer, -9.0},
              std::pair{outer, 9.0}, std::pair{inner, 13.0}}) {
            QLineF spoke(centre, centre + QPointF(radius, 0));
            spoke.setAngle(angle + offset);
            teeth << spoke.p2();
        }
    }
    QPainterPath wheel;
    wheel.addPolygon(teeth);
    wheel.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(centre, 2.2, 2.2);
    Shape(painter, wheel.subtracted(hole), Ink, Metal);
}

// A question mark on a blue disc.
void HelpContents(QPainter& painter) {
    Outlined(painter, BlueDark, Blue);
    painter.drawEllipse(QPointF(8, 8), 7.3, 7.3);
    QPainterPath hook(QPointF(5.5, 6));
    hook.arcTo(QRectF(5.5, 3.5, 5, 5), 180, -270);
    hook.lineTo(8, 10);
    painter.setPen(QPen(Paper, 2, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(hook);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Paper);
    painter.drawEllipse(QPointF(8, 12.3), 1.2, 1.2);
}

// A globe with an arrow going to it.
void GotoBBS(QPainter& painter) {
    Outlined(painter, BlueDark, Sky);
    painter.drawEllipse(QRectF(1.5, 1.5, 11, 11));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(4.5, 1.5, 5, 11));
    painter.drawLine(QLineF(1.5, 7, 12.5, 7));
    Shape(painter,
          Polygon({QPointF(5.5, 10.5), QPointF(10.5, 10.5), QPointF(10.5, 7.5), QPointF(15, 12),
                   QPointF(10.5, 16.5), QPointF(10.5, 13.5), QPointF(5.5, 13.5)}),
          GreenDark, Green);
}

// A diskette.
void SaveFile(QPainter& painter) {
    Outlined(painter, BlueDark, Blue);
    painter.drawPolygon(QPolygonF({QPointF(1.5, 1.5), QPointF(12.5, 1.5), QPointF(14.5, 3.5),
                                   QPointF(14.5, 14.5), QPointF(1.5, 14.5)}));
    Outlined(painter, BlueDark, Metal);
    painter.drawRect(QRectF(QPointF(4.5, 1.5), QPointF(10.5, 5.5)));
    painter.setPen(Qt::NoPen);
    painter.setBrush(BlueDark);
    painter.drawRect(QRectF(8, 2, 1.5, 3));
    Outlined(painter, BlueDark, Paper);
    painter.drawRect(QRectF(QPointF(3.5, 8.5), QPointF(12.5, 14.5)));
    Writings(painter, 5, 10, {10, 12});
}

// A folder opened towards the viewer.
void LoadFile(QPainter& painter) {
    Outlined(painter, AmberDark, Amber);
    painter.drawPolygon(QPolygonF({QPointF(0.5, 2.5), QPointF(5.5, 2.5), QPointF(7, 4.5),
                                   QPointF(13.5, 4.5), QPointF(13.5, 13.5), QPointF(0.5, 13.5)}));
    Outlined(painter, AmberDark, Folder);
    painter.drawPolygon(QPolygonF(
        {QPointF(0.5, 13.5), QPointF(3.5, 7.5), QPointF(15.5, 7.5), QPointF(13.5, 13.5)}));
}

struct Picture {
    const char* name;
    TToolIconPainter::Drawing drawing;
};

// The command bar's order, then the menu's file commands.
const Picture Pictures[] = {
    {"ClearEditor", ClearEditor},
    {"CopyToclipboard", CopyToclipboard},
    {"DDTempLoadMenu", DDTempLoadMenu},
    {"DDTempSaveMenu", DDTempSaveMenu},
    {"Undo", Undo},
    {"Redo", Redo},
    {"CutClipboard", CutClipboard},
    {"CopyClipboard", CopyClipboard},
    {"PasteClipboard", PasteClipboard},
    {"InsertFS", InsertFS},
    {"InsertDateTime", InsertDateTime},
    {"Configure", Configure},
    {"HelpContents", HelpContents},
    {"GotoBBS", GotoBBS},
    {"SaveFile", SaveFile},
    {"LoadFile", LoadFile},
};

} // namespace

TToolIconPainter::Drawing TToolIconPainter::Find(const QString& actionName) {
    for (const Picture& picture : Pictures)
        if (actionName == QLatin1String(picture.name))
            return picture.drawing;
    return nullptr;
}

QStringList TToolIconPainter::ActionNames() {
    QStringList names;
    for (const Picture& picture : Pictures)
        names << QString::fromLatin1(picture.name);
    return names;
}

} // namespace kes
