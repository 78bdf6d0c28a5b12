#include "docks/dock_lines_click.h"

#include <cmath>
#include <cstdio>

#include "docks/dock_lines.h"
#include "document/document.h"
#include "practice/recording.h"

static constexpr int LINE_BEEP_HZ = 1000;
static constexpr int LINE_BEEP_MS = 100;

static void LineBeep(CKLVNDoc& doc) {
    doc.ui->Beep(LINE_BEEP_HZ, LINE_BEEP_MS);
}

static double Distance(PlanePoint p, double x, double y) {
    return std::hypot(p.x - x, p.y - y);
}

bool HitLine(CKLVNDoc& doc, int i) {
    const Mooring& mooring = doc.mooring;
    const DockLine& line = mooring.dockLines[i];
    double r = mooring.linePickRadius;
    if (Distance(mooring.clickBoatPoint, line.cleatX, line.cleatY) <= r) return true;
    PlanePoint deck = mooring.clickDeckPoint;
    if (Distance(deck, line.attachX, line.attachY) <= r) return true;

    // Near the line itself: within reach of both ends and close to the
    // straight line through them. The cleat is taken where the boat is now.
    RefreshCleatWorld(doc, i);
    double reach = line.span + r;
    if (Distance(deck, line.cleatWorldX, line.cleatWorldY) > reach) return false;
    if (Distance(deck, line.attachX, line.attachY) > reach) return false;
    double lx = line.cleatWorldX - line.attachX;
    double ly = line.cleatWorldY - line.attachY;
    double length = std::hypot(lx, ly);
    double offLine =
        length > 0.0
            ? std::fabs(lx * (deck.y - line.attachY) - ly * (deck.x - line.attachX)) / length
            : Distance(deck, line.attachX, line.attachY);
    return offLine <= 1.5 * r;
}

static bool InsideDockRect(const CKLVNDoc& doc, PlanePoint p) {
    for (int k = 0; k < doc.dock.dockRectCount && k < MAX_DOCK_RECTS; ++k) {
        const DockRect& rect = doc.dock.dockRects[k];
        if (p.x >= rect.xMin && p.x <= rect.xMax && p.y >= rect.yMin && p.y <= rect.yMax) {
            return true;
        }
    }
    return false;
}

// The first piling whose centre lies within three piling radii of p at water
// level, or -1.
static int PilingNear(const CKLVNDoc& doc, PlanePoint p) {
    for (int k = 0; k < doc.dock.pilingCount && k < MAX_PILINGS; ++k) {
        const Piling& piling = doc.dock.pilings[k];
        if (Distance(p, piling.x, piling.y) <= 3.0 * doc.dock.pilingRadius) return k;
    }
    return -1;
}

// A dock deck under the click comes first, then a piling near it, then (the
// anchor line only) the bottom. A refused line still beeps.
bool MakeFastAtClick(CKLVNDoc& doc, int i, char* text, int textSize) {
    const Mooring& mooring = doc.mooring;
    if (InsideDockRect(doc, mooring.clickDeckPoint)) {
        bool madeFast = SetLineState(doc, i, &mooring.clickDeckPoint, LINE_SLACK);
        LineBeep(doc);
        return madeFast;
    }
    int piling = PilingNear(doc, mooring.clickWaterPoint);
    if (piling >= 0) {
        PlanePoint centre = {doc.dock.pilings[piling].x, doc.dock.pilings[piling].y};
        bool madeFast = SetLineState(doc, i, &centre, LINE_SLACK);
        if (madeFast) {
            std::snprintf(text, textSize, "Line %i Attached to Piling %i    Type = %i", i, piling,
                          0);
        }
        LineBeep(doc);
        return madeFast;
    }
    if (i == ANCHOR_LINE_INDEX) {
        bool madeFast = SetLineState(doc, i, &mooring.clickWaterPoint, LINE_SLACK);
        LineBeep(doc);
        return madeFast;
    }
    return false;
}

// What one line does with the click, by the state it has when it is reached.
static void ClickOneLine(CKLVNDoc& doc, int i, int action, char* text, int textSize) {
    const DockLine& line = doc.mooring.dockLines[i];
    switch (line.state) {
        case LINE_STOWED:
            if (action == LINE_CLICK_LEFT && Distance(doc.mooring.clickBoatPoint, line.cleatX,
                                                      line.cleatY) <= doc.mooring.linePickRadius) {
                SetLineState(doc, i, nullptr, LINE_IN_HAND);
                LineBeep(doc);
            }
            break;
        case LINE_IN_HAND:
            if (action == LINE_CLICK_LEFT) MakeFastAtClick(doc, i, text, textSize);
            break;
        case LINE_SLACK:
            if (action == LINE_CLICK_LEFT && HitLine(doc, i)) {
                SetLineState(doc, i, nullptr, LINE_TAUT);
                LineBeep(doc);
            } else if (action == LINE_CLICK_SHIFT_RIGHT && HitLine(doc, i)) {
                SetLineState(doc, i, nullptr, LINE_STOWED);
                LineBeep(doc);
            } else if (action == LINE_CLICK_RIGHT && HitLine(doc, i) &&
                       line.lineLength < NominalLineLength(doc, i)) {
                SetLineState(doc, i, nullptr, LINE_SLACK);  // let out to full length
                LineBeep(doc);
            }
            break;
        case LINE_TAUT:
            if (action == LINE_CLICK_RIGHT && HitLine(doc, i)) {
                SetLineState(doc, i, nullptr, LINE_SLACK);
                LineBeep(doc);
            } else if (action == LINE_CLICK_SHIFT_RIGHT && HitLine(doc, i)) {
                SetLineState(doc, i, nullptr, LINE_STOWED);
                LineBeep(doc);
            }
            break;
        default:
            break;
    }
}

void LineClick(CKLVNDoc& doc, int action) {
    RecordedOperation record(doc);
    const Mooring& m = doc.mooring;
    record.Write("click line %d %a %a %a %a %a %a", action, m.clickBoatPoint.x, m.clickBoatPoint.y,
                 m.clickDeckPoint.x, m.clickDeckPoint.y, m.clickWaterPoint.x, m.clickWaterPoint.y);
    if (action == LINE_CLICK_SHIFT_LEFT) {
        SetAllLines(doc, ALL_LINES_LOOSEN);
        return;
    }
    char text[STATUS_TEXT_SIZE] = "";
    // Each line reacts once, in order; a line changed here is not visited
    // again, but the lines after it still see the same click.
    for (int i = 0; i < DOCK_LINE_COUNT; ++i) ClickOneLine(doc, i, action, text, sizeof text);
    doc.ui->SetStatusText(text);
}
