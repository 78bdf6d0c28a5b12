#include "docks/dock_lines.h"

#include <cmath>

#include "common/constants.h"
#include "document/document.h"
#include "practice/recording.h"

// Hull point of each line's cleat, by boat type (motorboat, sailboat,
// houseboat). Point 0 is the port stern corner, 199 the bow tip and 398 the
// starboard stern corner, so the anchor line (4) sits at the bow.
static constexpr int CLEAT_POINTS[3][DOCK_LINE_COUNT] = {
    {0, 60, 122, 177, 199, 221, 276, 338, 398},
    {0, 33, 100, 177, 199, 221, 298, 365, 398},
    {0, 23, 110, 133, 199, 265, 288, 375, 398},
};

double NominalLineLength(const CKLVNDoc& doc, int i) {
    return i == ANCHOR_LINE_INDEX ? doc.boat.anchorLineLength : doc.boat.dockLineLength;
}

void RefreshCleatWorld(CKLVNDoc& doc, int i) {
    DockLine& line = doc.mooring.dockLines[i];
    double phi = DEG_TO_RAD * doc.state.hullAngleDeg;
    line.cleatWorldX = doc.state.posX + line.cleatX * std::cos(phi) - line.cleatY * std::sin(phi);
    line.cleatWorldY = doc.state.posY + line.cleatX * std::sin(phi) + line.cleatY * std::cos(phi);
    line.cleatWorldZ = line.cleatZ;
}

void CountAttachedLines(CKLVNDoc& doc) {
    int count = 0;
    for (const DockLine& line : doc.mooring.dockLines) {
        if (line.state > LINE_STOWED) ++count;
    }
    doc.state.attachedLineCount = count;
}

// Back on the boat: no attach point, no stretch, full length.
static void StowLine(CKLVNDoc& doc, int i) {
    DockLine& line = doc.mooring.dockLines[i];
    line.state = LINE_STOWED;
    line.attachX = 0.0;
    line.attachY = 0.0;
    line.attachZ = doc.mooring.lineAttachHeight;
    line.span = 0.0;
    line.prevSpan = 0.0;
    line.stretchRate = 0.0;
    line.lineLength = NominalLineLength(doc, i);
}

static void ClearLinePull(DockLine& line) {
    line.stretch = 0.0;
    line.forceX = 0.0;
    line.forceY = 0.0;
}

void SetUpLines(CKLVNDoc& doc) {
    Mooring& mooring = doc.mooring;
    mooring.linePickRadius = 0.025 * doc.boat.lengthOverall;
    mooring.cleatMarkSize = 0.025 * doc.boat.lengthOverall;
    mooring.lineAttachHeight = doc.dock.deckHeight + 0.01;
    mooring.cleatHeight = doc.boat.freeboardHeight + 0.01;
    mooring.anchorLineIndex = ANCHOR_LINE_INDEX;

    int type = doc.boat.boatType;
    bool knownType = type >= 0 && type <= 2;
    for (int i = 0; i < DOCK_LINE_COUNT; ++i) {
        DockLine& line = mooring.dockLines[i];
        // An unknown type keeps the cleats where they were.
        if (knownType) line.cleatPointIndex = CLEAT_POINTS[type][i];
        if (line.cleatPointIndex < 0 || line.cleatPointIndex >= HULL_POINT_RECORDS) {
            line.cleatPointIndex = 0;
        }
        SetLineState(doc, i, nullptr, LINE_STOWED);
        const HullPoint& cleat = doc.boat.hullPoints[line.cleatPointIndex];
        line.cleatX = cleat.x;
        line.cleatY = cleat.y;
        line.cleatZ = mooring.cleatHeight;
    }
    doc.state.attachedLineCount = 0;
}

// Makes a line fast at its present span d: to the given point, or where it
// was fast already when there is none.
static void MakeFast(const CKLVNDoc& doc, DockLine& line, int state, const PlanePoint* point,
                     double d, double lineLength) {
    line.state = state;
    if (point != nullptr) {
        line.attachX = point->x;
        line.attachY = point->y;
        line.attachZ = doc.mooring.lineAttachHeight;
    }
    line.span = d;
    line.prevSpan = d;
    line.stretchRate = 0.0;
    line.lineLength = lineLength;
}

bool SetLineState(CKLVNDoc& doc, int i, const PlanePoint* point, int newState) {
    if (i < 0 || i >= DOCK_LINE_COUNT) return false;
    DockLine& line = doc.mooring.dockLines[i];
    bool madeFast = line.state == LINE_SLACK || line.state == LINE_TAUT;

    // The span the change is judged by: to the new point, else to the present
    // attach point of a made-fast line.
    double d = 0.0;
    if (point != nullptr) {
        RefreshCleatWorld(doc, i);
        d = std::hypot(line.cleatWorldX - point->x, line.cleatWorldY - point->y);
    } else if (madeFast) {
        RefreshCleatWorld(doc, i);
        d = std::hypot(line.cleatWorldX - line.attachX, line.cleatWorldY - line.attachY);
    }

    switch (newState) {
        case LINE_STOWED:
            StowLine(doc, i);
            break;
        case LINE_IN_HAND:
            // Only one line is ever in hand: any other goes back on the boat.
            for (DockLine& other : doc.mooring.dockLines) {
                if (other.state == LINE_IN_HAND) other.state = LINE_STOWED;
            }
            line.state = LINE_IN_HAND;
            break;
        case LINE_SLACK:
            // Without a point only a made-fast line has somewhere to be fast to.
            if (point == nullptr && !madeFast) return false;
            // Too short to reach, or a point that is not a number: refused.
            if (!(d <= NominalLineLength(doc, i))) return false;
            MakeFast(doc, line, LINE_SLACK, point, d, NominalLineLength(doc, i));
            break;
        case LINE_TAUT:
            if (point == nullptr && !madeFast) return false;
            // Hardening takes the line in to the present span.
            MakeFast(doc, line, LINE_TAUT, point, d, d);
            break;
        default:
            return false;
    }
    if (newState != LINE_IN_HAND) ClearLinePull(line);
    CountAttachedLines(doc);
    return true;
}

void SetAllLines(CKLVNDoc& doc, int mode) {
    RecordedOperation record(doc);
    if (mode == ALL_LINES_LOOSEN) record.Write("lines loosen");
    if (mode == ALL_LINES_HARDEN) record.Write("lines harden");
    if (mode == ALL_LINES_REMOVE) record.Write("lines remove");
    for (int i = 0; i < DOCK_LINE_COUNT; ++i) {
        DockLine& line = doc.mooring.dockLines[i];
        bool madeFast = line.state == LINE_SLACK || line.state == LINE_TAUT;
        if (mode == ALL_LINES_REMOVE && line.state != LINE_STOWED) {
            StowLine(doc, i);
            ClearLinePull(line);
        } else if (mode == ALL_LINES_LOOSEN && madeFast) {
            // Back to full length; the attach point stays.
            line.state = LINE_SLACK;
            line.span = 0.0;
            line.prevSpan = 0.0;
            line.stretchRate = 0.0;
            line.lineLength = NominalLineLength(doc, i);
            ClearLinePull(line);
        } else if (mode == ALL_LINES_HARDEN && madeFast) {
            RefreshCleatWorld(doc, i);
            double d = std::hypot(line.cleatWorldX - line.attachX, line.cleatWorldY - line.attachY);
            line.state = LINE_TAUT;
            line.span = d;
            line.prevSpan = d;
            line.stretchRate = 0.0;
            line.lineLength = d;
            ClearLinePull(line);
        }
    }
    CountAttachedLines(doc);
}
