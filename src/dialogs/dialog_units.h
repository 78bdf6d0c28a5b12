#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

// The dialogs and the bridge console are laid out in dialog units: a
// horizontal unit is a quarter of the dialog font's average character width,
// a vertical unit an eighth of its height. Laying them out this way keeps
// every control in proportion to the text it holds, whatever font size and
// screen scale the desktop uses.

// The dialog font: the desktop's sans-serif at 8 points.
QFont DialogFont();

class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    int X(int units) const;
    int Y(int units) const;
    QRect Rect(int x, int y, int width, int height) const;
    QSize Size(int width, int height) const;

    double CharWidth() const { return charWidth_; }
    double CharHeight() const { return charHeight_; }

private:
    int charWidth_;   // average width of the 52 letters, rounded
    int charHeight_;  // the font's line height
};
