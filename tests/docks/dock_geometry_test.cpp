#include "docks/dock_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "../support/test_document.h"
#include "docks/custom_slip.h"
#include "docks/dock_commands.h"
#include "simulation/contact.h"

namespace {

constexpr double W = DOCK_WIDTH;
constexpr double MARGIN = 0.02;  // ft kept clear of cell borders and rectangle edges

bool OnDeck(const DockLayout& dock, double x, double y, double margin) {
    for (int i = 0; i < dock.dockRectCount; ++i) {
        const DockRect& r = dock.dockRects[i];
        if (r.xMin + margin < x && x < r.xMax - margin && r.yMin + margin < y &&
            y < r.yMax - margin)
            return true;
    }
    return false;
}

// Near an edge or the splitting diagonal of any cell.
bool NearCellBorder(const DockLayout& dock, double x, double y) {
    for (int i = 0; i < dock.contactCellCount; ++i) {
        const ContactCell& c = dock.contactCells[i];
        const double dx = x - c.x1, s = std::fabs(c.x2 - c.x1);
        const double diagonal =
            c.kind <= CELL_ABOVE_DIAGONAL ? (y - c.y1) - dx : (y - c.y2) - (s - dx);
        if (std::min({std::fabs(x - c.x1), std::fabs(x - c.x2), std::fabs(y - c.y1),
                      std::fabs(y - c.y2)}) < MARGIN ||
            (c.kind != CELL_BOX && std::fabs(diagonal) < MARGIN))
            return true;
    }
    return false;
}

// Every deck point lies in a cell that finds it and pushes it towards the water
// it reaches soonest; open water lies in no cell.
void CheckCoverage(int layout, int slip, int width = 0, int length = 0) {
    auto doc = MakeTestDocument(MOTORBOAT);
    if (slip < 5)
        SelectSlipSize(*doc, slip);
    else
        ApplyCustomSlip(*doc, width, length);
    SelectDockLayout(*doc, layout);
    const DockLayout& dock = doc->dock;
    SCOPED_TRACE("layout " + std::to_string(layout) + " slip " + std::to_string(slip));
    EXPECT_EQ(dock.dockRectCount, layout == 1 ? 3 : layout <= 5 ? 5 : 1);
    EXPECT_EQ(dock.contactCellCount, layout == 1 ? 20 : layout <= 5 ? 30 : 10);
    EXPECT_EQ(dock.pilingCount, layout >= 2 && layout <= 5 ? 0 : 6);
    const double longest = dock.slipSizes[slip].length + 2 * W;
    DockRect b = {1e9, 1e9, -1e9, -1e9};
    int deckPoints = 0, water = 0;
    for (int i = 0; i < dock.dockRectCount; ++i) {
        const DockRect& r = dock.dockRects[i];
        b = {std::min(b.xMin, r.xMin), std::min(b.yMin, r.yMin), std::max(b.xMax, r.xMax),
             std::max(b.yMax, r.yMax)};
        for (double x = r.xMin + 0.11; x < r.xMax; x += 0.37) {
            for (double y = r.yMin + 0.07; y < r.yMax; y += 0.41) {
                if (NearCellBorder(dock, x, y)) continue;
                ++deckPoints;
                const ZoneResult zone = LocateZone(dock, x, y);
                ASSERT_EQ(zone.zone, 0) << x << ", " << y;
                const CellDepthResult hit = CellDepth(dock, x, y, zone.group);
                ASSERT_GE(hit.cell, 0) << x << ", " << y;
                const ContactCell& cell = dock.contactCells[hit.cell];
                ASSERT_TRUE(cell.pushX != 0 || cell.pushY != 0);
                EXPECT_TRUE((cell.pushX == 0 || (hit.depthX > 0) == (cell.pushX > 0)) &&
                            (cell.pushY == 0 || (hit.depthY > 0) == (cell.pushY > 0)))
                    << x << ", " << y;
                double travelled = 0, px = x, py = y;
                for (; OnDeck(dock, px, py, -1e-9) && travelled <= longest; travelled += 0.01)
                    px += 0.01 * cell.pushX, py += 0.01 * cell.pushY;
                EXPECT_LT(travelled, longest) << x << ", " << y;
            }
        }
    }
    for (double x = b.xMin - 5.03; x < b.xMax + 5; x += 0.53) {
        for (double y = b.yMin - 5.07; y < b.yMax + 5; y += 0.59) {
            if (OnDeck(dock, x, y, -MARGIN)) continue;
            ++water;
            for (int i = 0; i < dock.contactCellCount; ++i)
                ASSERT_FALSE(CellContains(dock.contactCells[i], x, y)) << x << ", " << y;
            EXPECT_EQ(LocateZone(dock, x, y).zone, -1) << x << ", " << y;
        }
    }
    EXPECT_TRUE(deckPoints > 100 && water > 100);
}

}  // namespace

TEST(DockGeometry, CellsCoverTheDecksForEveryLayoutAndSlip) {
    for (int layout = 1; layout <= 9; ++layout) {
        for (int slip = 0; slip < 5; ++slip) CheckCoverage(layout, slip);
        CheckCoverage(layout, 5, 18, 70);
        CheckCoverage(layout, 5, 31, 100);
    }
}

TEST(DockGeometry, PlacementOfTheLayoutsAndAnUnknownLayout) {
    for (int slip = 0; slip < 5; ++slip) {
        auto doc = MakeTestDocument(MOTORBOAT);
        SelectSlipSize(*doc, slip);
        const DockLayout& dock = doc->dock;
        const double S = dock.slipSizes[slip].width, L = dock.slipSizes[slip].length;
        const double P = PILING_RADIUS;
        EXPECT_DOUBLE_EQ(dock.pilings[0].x, 2 * S + 2 * W + P);
        EXPECT_DOUBLE_EQ(dock.pilings[5].x, 3 * S + 2 * W + 3 * P);
        EXPECT_DOUBLE_EQ(dock.pilings[4].y, L / 2 + P);
        EXPECT_DOUBLE_EQ(dock.dockBounds.xMax, S + 2 * W);
        SelectDockLayout(*doc, 5);
        EXPECT_DOUBLE_EQ(dock.dockRects[0].xMin, -W / 2);
    }
    auto doc = MakeTestDocument(MOTORBOAT);
    SelectDockLayout(*doc, 7);
    const double xMin = doc->dock.dockRects[0].xMin;
    SelectDockLayout(*doc, 12);
    EXPECT_EQ(doc->dock.dockRectCount, 1);
    EXPECT_DOUBLE_EQ(doc->dock.dockRects[0].xMin, xMin);
    EXPECT_EQ(doc->settings.dockLayoutSaved, 12);
    EXPECT_DOUBLE_EQ(doc->state.posY, doc->boat.startY);
}
