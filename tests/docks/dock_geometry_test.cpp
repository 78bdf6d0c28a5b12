#include "docks/dock_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "../support/test_document.h"
#include "docks/custom_slip.h"
#include "docks/dock_commands.h"
#include "simulation/contact.h"

namespace {

constexpr double W = DOCK_WIDTH;
constexpr double MARGIN = 0.02;  // ft kept clear of cell borders and rectangle edges

bool InAnyRect(const DockLayout& dock, double x, double y, double margin) {
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
        if (std::fabs(x - c.x1) < MARGIN || std::fabs(x - c.x2) < MARGIN ||
            std::fabs(y - c.y1) < MARGIN || std::fabs(y - c.y2) < MARGIN)
            return true;
        if (c.kind == CELL_BOX) continue;
        const double dx = x - c.x1, s = std::fabs(c.x2 - c.x1);
        const bool plain = c.kind <= CELL_ABOVE_DIAGONAL;
        const double diagonal = plain ? (y - c.y1) - dx : (y - c.y2) - (s - dx);
        if (std::fabs(diagonal) < MARGIN) return true;
    }
    return false;
}

std::vector<int> CellsHolding(const DockLayout& dock, double x, double y) {
    std::vector<int> cells;
    for (int i = 0; i < dock.contactCellCount; ++i)
        if (CellContains(dock.contactCells[i], x, y)) cells.push_back(i);
    return cells;
}

// How far a point travels along (dx, dy) before it leaves every deck.
double TravelToWater(const DockLayout& dock, double x, double y, int dx, int dy, double limit) {
    double travelled = 0;
    for (; InAnyRect(dock, x, y, -1e-9) && travelled <= limit; travelled += 0.01) {
        x += 0.01 * dx;
        y += 0.01 * dy;
    }
    return travelled;
}

DockRect Bounds(const DockLayout& dock, bool withPilings) {
    DockRect b = {1e9, 1e9, -1e9, -1e9};
    auto take = [&b](double x0, double y0, double x1, double y1) {
        b = {std::min(b.xMin, x0), std::min(b.yMin, y0), std::max(b.xMax, x1),
             std::max(b.yMax, y1)};
    };
    for (int i = 0; i < dock.dockRectCount; ++i) {
        const DockRect& r = dock.dockRects[i];
        take(r.xMin, r.yMin, r.xMax, r.yMax);
    }
    for (int p = 0; withPilings && p < dock.pilingCount; ++p)
        take(dock.pilings[p].x, dock.pilings[p].y, dock.pilings[p].x, dock.pilings[p].y);
    return b;
}

// slip 0 ... 4, or 5 for a custom slip of width x length.
std::unique_ptr<CKLVNDoc> LaidOut(int layout, int slip, int width = 0, int length = 0) {
    auto doc = MakeTestDocument(MOTORBOAT);
    if (slip < 5)
        SelectSlipSize(*doc, slip);
    else
        ApplyCustomSlip(*doc, width, length);
    SelectDockLayout(*doc, layout);
    return doc;
}

std::string Where(int layout, int slip, double x, double y) {
    return "layout " + std::to_string(layout) + " slip " + std::to_string(slip) + " at (" +
           std::to_string(x) + ", " + std::to_string(y) + ")";
}

// Deck points lie in a cell that pushes towards water; open water in none.
void CheckCoverage(int layout, int slip, const DockLayout& dock) {
    EXPECT_EQ(dock.dockRectCount, layout == 1 ? 3 : layout <= 5 ? 5 : 1) << layout;
    EXPECT_EQ(dock.contactCellCount, layout == 1 ? 20 : layout <= 5 ? 30 : 10) << layout;
    EXPECT_EQ(dock.pilingCount, layout >= 2 && layout <= 5 ? 0 : 6) << layout;
    int deckPoints = 0;
    for (int i = 0; i < dock.dockRectCount; ++i) {
        const DockRect& r = dock.dockRects[i];
        ASSERT_TRUE(r.xMin < r.xMax && r.yMin < r.yMax);
        for (double x = r.xMin + 0.11; x < r.xMax; x += 0.37) {
            for (double y = r.yMin + 0.07; y < r.yMax; y += 0.41) {
                if (NearCellBorder(dock, x, y)) continue;
                ++deckPoints;
                const std::string where = Where(layout, slip, x, y);
                const std::vector<int> cells = CellsHolding(dock, x, y);
                ASSERT_FALSE(cells.empty()) << where;
                if (cells.size() > 1) {
                    const bool sharedCorner =
                        layout >= 2 && layout <= 5 && cells.size() == 2 &&
                        ((cells[0] == 22 && cells[1] == 26) || (cells[0] == 20 && cells[1] == 27));
                    EXPECT_TRUE(sharedCorner) << where << " cells " << cells[0] << ", " << cells[1];
                }
                const ZoneResult zone = LocateZone(dock, x, y);
                ASSERT_EQ(zone.zone, 0) << where;
                const CellDepthResult hit = CellDepth(dock, x, y, zone.group);
                ASSERT_GE(hit.cell, 0) << where << " group " << zone.group;
                const ContactCell& cell = dock.contactCells[hit.cell];
                ASSERT_TRUE(cell.pushX != 0 || cell.pushY != 0) << where;
                if (cell.pushX != 0) {
                    EXPECT_EQ(hit.depthX > 0, cell.pushX > 0) << where;
                }
                if (cell.pushY != 0) {
                    EXPECT_EQ(hit.depthY > 0, cell.pushY > 0) << where;
                }

                const double longest = dock.slipSizes[slip].length + 2 * W;
                EXPECT_LT(TravelToWater(dock, x, y, cell.pushX, cell.pushY, longest), longest)
                    << where;
            }
        }
    }
    EXPECT_GT(deckPoints, 100);

    const DockRect b = Bounds(dock, false);
    int water = 0;
    for (double x = b.xMin - 5.03; x < b.xMax + 5; x += 0.53) {
        for (double y = b.yMin - 5.07; y < b.yMax + 5; y += 0.59) {
            if (InAnyRect(dock, x, y, -MARGIN)) continue;
            ++water;
            EXPECT_TRUE(CellsHolding(dock, x, y).empty()) << Where(layout, slip, x, y);
            EXPECT_EQ(LocateZone(dock, x, y).zone, -1) << Where(layout, slip, x, y);
        }
    }
    EXPECT_GT(water, 100);
}

}  // namespace

TEST(DockGeometry, CellsCoverTheDecksForEveryLayoutAndSlip) {
    for (int layout = 1; layout <= 9; ++layout) {
        for (int slip = 0; slip < 5; ++slip)
            CheckCoverage(layout, slip, LaidOut(layout, slip)->dock);
        CheckCoverage(layout, 5, LaidOut(layout, 5, 18, 70)->dock);
        CheckCoverage(layout, 5, LaidOut(layout, 5, 31, 100)->dock);
    }
}

TEST(DockGeometry, PlacementOfTheTurnedLayouts) {
    for (int slip = 0; slip < 5; ++slip) {
        for (int layout = 1; layout <= 9; ++layout) {
            auto doc = LaidOut(layout, slip);
            const DockLayout& dock = doc->dock;
            const double S = dock.slipSizes[slip].width, L = dock.slipSizes[slip].length;
            const DockRect b = Bounds(dock, true);
            if ((layout >= 2 && layout <= 4) || layout == 9) {
                EXPECT_DOUBLE_EQ(b.xMin, 0) << layout;
                EXPECT_TRUE(layout == 9 || b.yMin == 0) << layout;
            }
            if (layout == 5) {
                EXPECT_DOUBLE_EQ(b.xMin, -W / 2);
                EXPECT_DOUBLE_EQ(b.xMax, L + W / 2);
            }
            if (layout == 1) {
                const double P = PILING_RADIUS;
                EXPECT_DOUBLE_EQ(dock.pilings[0].x, 2 * S + 2 * W + P);
                EXPECT_DOUBLE_EQ(dock.pilings[5].x, 3 * S + 2 * W + 3 * P);
                EXPECT_DOUBLE_EQ(dock.pilings[4].y, L / 2 + P);
                EXPECT_DOUBLE_EQ(dock.dockBounds.xMax, S + 2 * W);
            }
        }
    }
}

TEST(DockGeometry, UnknownLayoutKeepsTheGeometry) {
    auto doc = LaidOut(7, 2);
    const double xMin = doc->dock.dockRects[0].xMin;
    SelectDockLayout(*doc, 12);
    EXPECT_EQ(doc->dock.dockRectCount, 1);
    EXPECT_DOUBLE_EQ(doc->dock.dockRects[0].xMin, xMin);
    EXPECT_EQ(doc->settings.dockLayoutSaved, 12);
    EXPECT_DOUBLE_EQ(doc->state.posY, doc->boat.startY);
}
