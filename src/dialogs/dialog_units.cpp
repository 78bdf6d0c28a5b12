#include "dialogs/dialog_units.h"

#include <QFontMetrics>

namespace {

const char LETTERS[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr int LETTER_COUNT = 52;
constexpr int DIALOG_FONT_POINTS = 8;

// units * pixelsPerChar / unitsPerChar, rounded to the nearest pixel.
int Scale(int units, int pixelsPerChar, int unitsPerChar) {
    const long product = static_cast<long>(units) * pixelsPerChar;
    const long half = unitsPerChar / 2;
    return static_cast<int>(product >= 0 ? (product + half) / unitsPerChar
                                         : -((-product + half) / unitsPerChar));
}

}  // namespace

QFont DialogFont() {
    QFont font("Sans Serif", DIALOG_FONT_POINTS);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int total = metrics.horizontalAdvance(QString::fromLatin1(LETTERS));
    charWidth_ = (total + LETTER_COUNT / 2) / LETTER_COUNT;
    charHeight_ = metrics.height();
    if (charWidth_ < 1) charWidth_ = 1;
    if (charHeight_ < 1) charHeight_ = 1;
}

int DialogUnits::X(int units) const {
    return Scale(units, charWidth_, 4);
}

int DialogUnits::Y(int units) const {
    return Scale(units, charHeight_, 8);
}

QRect DialogUnits::Rect(int x, int y, int width, int height) const {
    const int left = X(x);
    const int top = Y(y);
    return QRect(left, top, X(x + width) - left, Y(y + height) - top);
}

QSize DialogUnits::Size(int width, int height) const {
    return QSize(X(width), Y(height));
}
