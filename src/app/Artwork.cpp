#include "app/Artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int Scale = 2;  // drawn at twice the size, so the glyphs stay sharp on dense screens

const QColor Ink(40, 52, 70);
const QColor Paper(252, 252, 248);
const QColor Accent(36, 110, 190);
const QColor Warm(226, 150, 40);
const QColor Green(46, 150, 80);

void drawPage(QPainter& p)
{
    QPainterPath page;
    page.moveTo(3, 1.5);
    page.lineTo(10, 1.5);
    page.lineTo(13, 4.5);
    page.lineTo(13, 14.5);
    page.lineTo(3, 14.5);
    page.closeSubpath();
    p.setBrush(Paper);
    p.setPen(QPen(Ink, 1));
    p.drawPath(page);
    p.drawLine(QPointF(10, 1.5), QPointF(10, 4.5));
    p.drawLine(QPointF(10, 4.5), QPointF(13, 4.5));
}

void drawRadio(QPainter& p, double x)
{
    p.setPen(QPen(Ink, 1));
    p.setBrush(QColor(70, 80, 96));
    p.drawRoundedRect(QRectF(x, 5.5, 5, 9), 1, 1);
    p.drawLine(QPointF(x + 1.5, 5.5), QPointF(x + 1.5, 1));
    p.setBrush(QColor(150, 220, 150));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(x + 1, 7, 3, 2));
}

void drawArrow(QPainter& p, double fromX, double toX, double y, const QColor& colour)
{
    p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(fromX, y), QPointF(toX, y));
    const double head = toX > fromX ? -3 : 3;
    p.drawLine(QPointF(toX, y), QPointF(toX + head, y - 3));
    p.drawLine(QPointF(toX, y), QPointF(toX + head, y + 3));
}

void drawGlyph(QPainter& p, int index)
{
    switch (index) {
    case 0: // new
        drawPage(p);
        p.setPen(QPen(Warm, 1.5));
        p.drawLine(QPointF(11, 9), QPointF(11, 15));
        p.drawLine(QPointF(8, 12), QPointF(14, 12));
        break;
    case 1: { // open
        p.setPen(QPen(Ink, 1));
        p.setBrush(QColor(240, 200, 90));
        p.drawRect(QRectF(1.5, 3.5, 5, 2));
        p.drawRect(QRectF(1.5, 5, 12, 9));
        QPainterPath flap;
        flap.moveTo(3, 8);
        flap.lineTo(15, 8);
        flap.lineTo(13.5, 14);
        flap.lineTo(1.5, 14);
        flap.closeSubpath();
        p.setBrush(QColor(250, 220, 120));
        p.drawPath(flap);
        break;
    }
    case 2: // print
        p.setPen(QPen(Ink, 1));
        p.setBrush(Paper);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.setBrush(QColor(150, 160, 175));
        p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1, 1);
        p.setBrush(Paper);
        p.drawRect(QRectF(4.5, 10.5, 7, 4));
        p.setPen(QPen(Green, 1));
        p.drawPoint(QPointF(12.5, 8.5));
        break;
    case 3: // save
        p.setPen(QPen(Ink, 1));
        p.setBrush(Accent);
        p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1, 1);
        p.setBrush(Paper);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.setBrush(QColor(220, 225, 235));
        p.drawRect(QRectF(3.5, 9.5, 9, 5));
        break;
    case 4: // radio
        drawRadio(p, 5.5);
        break;
    case 5: // write: from the computer into the radio
        drawRadio(p, 10);
        drawArrow(p, 1.5, 8.5, 10, Warm);
        break;
    case 6: { // help
        p.setPen(QPen(Ink, 1));
        p.setBrush(Accent);
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        QFont font;
        font.setPixelSize(11);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(1.5, 1.5, 13, 13), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case 7: // read: from the radio into the computer
        drawRadio(p, 1);
        drawArrow(p, 7.5, 14.5, 10, Green);
        break;
    case 8: // channel edit: a small table with a pencil
        p.setPen(QPen(Ink, 1));
        p.setBrush(Paper);
        p.drawRect(QRectF(1.5, 2.5, 11, 11));
        p.drawLine(QPointF(1.5, 6), QPointF(12.5, 6));
        p.drawLine(QPointF(1.5, 9.5), QPointF(12.5, 9.5));
        p.drawLine(QPointF(5.5, 2.5), QPointF(5.5, 13.5));
        p.setPen(QPen(Warm, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(9, 13), QPointF(14.5, 7.5));
        break;
    default:
        break;
    }
}

QPixmap renderGlyph(int index, int size)
{
    QPixmap pixmap(size * Scale, size * Scale);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(Scale * size / 16.0, Scale * size / 16.0);
    drawGlyph(p, index);
    p.end();
    pixmap.setDevicePixelRatio(Scale);
    return pixmap;
}

} // namespace

QIcon ToolGlyph(int index)
{
    QIcon icon;
    icon.addPixmap(renderGlyph(index, 16));
    icon.addPixmap(renderGlyph(index, 24));
    return icon;
}

QIcon ApplicationIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 16.0, size / 16.0);
        p.setPen(Qt::NoPen);
        p.setBrush(Accent);
        p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
        p.translate(2.5, 0);
        drawRadio(p, 3);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QPixmap BackgroundTile()
{
    // A quiet diagonal weave, light enough for the child windows to stand out.
    QPixmap tile(64, 64);
    QPainter p(&tile);
    QLinearGradient shade(0, 0, 64, 64);
    shade.setColorAt(0, QColor(92, 112, 140));
    shade.setColorAt(1, QColor(80, 98, 126));
    p.fillRect(tile.rect(), shade);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 255, 255, 18), 6));
    for (int offset = -64; offset <= 64; offset += 32)
        p.drawLine(offset, 64, offset + 64, 0);
    p.setPen(QPen(QColor(0, 0, 0, 14), 2));
    for (int offset = -48; offset <= 80; offset += 32)
        p.drawLine(offset, 0, offset + 64, 64);
    return tile;
}
