#include "app/toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int BUTTON_WIDTH = 16;
constexpr int BUTTON_HEIGHT = 15;

const QColor RUN_GREEN(0, 160, 0);
const QColor PAUSE_RED(200, 0, 0);
const QColor RESET_BLUE(0, 0, 200);
const QColor LETTER_BLACK(0, 0, 0);

enum class Picture { None, Blank, Triangle, Bars, Square, Crosshair, Letter };

struct ButtonPicture {
    CommandId id;
    Picture picture;
    char letter;
    QColor colour;
};

const ButtonPicture PICTURES[] = {
    {CommandId::Run, Picture::Triangle, 0, RUN_GREEN},
    {CommandId::Pause, Picture::Bars, 0, PAUSE_RED},
    {CommandId::Reset, Picture::Square, 0, RESET_BLUE},
    {CommandId::ShowBridge, Picture::Crosshair, 0, RESET_BLUE},
    {CommandId::EditBoat, Picture::Letter, 'B', LETTER_BLACK},
    {CommandId::Wind, Picture::Letter, 'W', PAUSE_RED},
    {CommandId::Current, Picture::Letter, 'C', RESET_BLUE},
    {CommandId::LoosenAllLines, Picture::Letter, 'L', LETTER_BLACK},
    {CommandId::HardenAllLines, Picture::Letter, 'H', LETTER_BLACK},
    {CommandId::RemoveAllLines, Picture::Letter, 'R', LETTER_BLACK},
    {CommandId::RemoveAllFenders, Picture::Letter, 'F', LETTER_BLACK},
    {CommandId::ToolbarGap, Picture::Blank, 0, LETTER_BLACK},
    {CommandId::LinesGap, Picture::Blank, 0, LETTER_BLACK},
    {CommandId::EndGap, Picture::Blank, 0, LETTER_BLACK},
};

void DrawLetter(QPainter& p, char letter, const QColor& colour) {
    QFont font(QStringLiteral("Sans Serif"));
    font.setBold(true);
    font.setPixelSize(13);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QRectF(0, 0, BUTTON_WIDTH, BUTTON_HEIGHT), Qt::AlignCenter, QString(QChar(letter)));
}

// Draws in button coordinates (16 x 15), whatever the pixmap's scale.
void DrawPicture(QPainter& p, const ButtonPicture& b) {
    p.setRenderHint(QPainter::Antialiasing);
    switch (b.picture) {
        case Picture::Triangle: {
            QPainterPath path;
            path.moveTo(4, 2);
            path.lineTo(13, 7.5);
            path.lineTo(4, 13);
            path.closeSubpath();
            p.fillPath(path, b.colour);
            break;
        }
        case Picture::Bars:
            p.fillRect(QRectF(4, 2, 3, 11), b.colour);
            p.fillRect(QRectF(9, 2, 3, 11), b.colour);
            break;
        case Picture::Square:
            p.fillRect(QRectF(3, 2.5, 10, 10), b.colour);
            break;
        case Picture::Crosshair:
            p.setPen(QPen(b.colour, 1.5));
            p.drawEllipse(QPointF(8, 7.5), 5, 5);
            p.drawLine(QPointF(8, 0.5), QPointF(8, 14.5));
            p.drawLine(QPointF(1, 7.5), QPointF(15, 7.5));
            break;
        case Picture::Letter:
            DrawLetter(p, b.letter, b.colour);
            break;
        case Picture::Blank:
        case Picture::None:
            break;
    }
}

QPixmap Render(const ButtonPicture& b, int scale) {
    QPixmap pixmap(BUTTON_WIDTH * scale, BUTTON_HEIGHT * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    DrawPicture(p, b);
    return pixmap;
}

// A plan of a hull with its bow up, in a slip between two piers.
void DrawProgramPicture(QPainter& p, int size) {
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size / 16.0;
    p.fillRect(QRectF(0, 0, size, size), QColor(40, 110, 190));
    p.fillRect(QRectF(0, 0, 2.5 * s, size), QColor(170, 130, 80));
    p.fillRect(QRectF(13.5 * s, 0, 2.5 * s, size), QColor(170, 130, 80));
    QPainterPath hull;
    hull.moveTo(8 * s, 1.5 * s);
    hull.cubicTo(11.5 * s, 5 * s, 11 * s, 11 * s, 10.5 * s, 14.5 * s);
    hull.lineTo(5.5 * s, 14.5 * s);
    hull.cubicTo(5 * s, 11 * s, 4.5 * s, 5 * s, 8 * s, 1.5 * s);
    p.setPen(QPen(QColor(30, 30, 30), qMax<qreal>(1.0, s * 0.5)));
    p.setBrush(Qt::white);
    p.drawPath(hull);
}

}  // namespace

QIcon ToolbarIcon(CommandId id) {
    for (const ButtonPicture& b : PICTURES) {
        if (b.id != id) continue;
        QIcon icon;
        icon.addPixmap(Render(b, 1));
        icon.addPixmap(Render(b, 2));
        return icon;
    }
    return QIcon();
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        DrawProgramPicture(p, size);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
