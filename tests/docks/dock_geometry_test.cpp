#include "docks/dock_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "../support/test_document.h"
#include "docks/custom_slip.h"
#include "docks/dock_commands.h"
#include "simulation/contact.h"

namespace {

constexpr double W = DOCK_WIDTH;
constexpr double MARGIN = 0.02;  // ft kept clear of cell borders and rectangle edges

struct Point {
    double x, y;
};

bool InRect(const DockRect& r, double x, double y, double margin) {
    return r.xMin + margin < x && x < r.xMax - margin && r.yMin + margin < y && y < r.yMax - margin;
}

bool InAnyRect(const DockLayout& dock, double x, double y, double margin) {
    for (int i = 0; i < dock.dockRectCount; ++i) {
        if (InRect(dock.dockRects[i], x, y, margin)) return true;
    }
    return false;
}

bool NearAnyRect(const DockLayout& dock, double x, double y, double margin) {
    for (int i = 0; i < dock.dockRectCount; ++i) {
        if (InRect(dock.dockRects[i], x, y, -margin)) return true;
    }
    return false;
}

// Near an edge or the splitting diagonal of any cell.
bool NearCellBorder(const DockLayout& dock, double x, double y) {
    for (int i = 0; i < dock.contactCellCount; ++i) {
        const ContactCell& c = dock.contactCells[i];
        if (std::fabs(x - c.x1) < MARGIN || std::fabs(x - c.x2) < MARGIN ||
            std::fabs(y - c.y1) < MARGIN || std::fabs(y - c.y2) < MARGIN) {
            return true;
        }
        if (c.kind == CELL_BOX) continue;
        const double dx = x - c.x1;
        const double s = std::fabs(c.x2 - c.x1);
        const double dy = c.kind <= CELL_ABOVE_DIAGONAL ? y - c.y1 : y - c.y2;
        const double diagonal = c.kind <= CELL_ABOVE_DIAGONAL ? dy - dx : dy - (s - dx);
        if (std::fabs(diagonal) < MARGIN) return true;
    }
    return false;
}

std::vector<int> CellsHolding(const DockLayout& dock, double x, double y) {
    std::vector<int> cells;
    for (int i = 0; i < dock.contactCellCount; ++i) {
        if (CellContains(dock.contactCells[i], x, y)) cells.push_back(i);
    }
    return cells;
}

// How far a point travels along (dx, dy), per axis, before it leaves every deck.
double TravelToWater(const DockLayout& dock, Point p, int dx, int dy, double limit) {
    double travelled = 0;
    while (InAnyRect(dock, p.x, p.y, -1e-9) && travelled <= limit) {
        p.x += 0.01 * dx;
        p.y += 0.01 * dy;
        travelled += 0.01;
    }
    return travelled;
}

// Sample points on a grid inside each rectangle, clear of every cell border.
std::vector<Point> DeckSamples(const DockLayout& dock) {
    std::vector<Point> points;
    for (int i = 0; i < dock.dockRectCount; ++i) {
        const DockRect& r = dock.dockRects[i];
        for (double x = r.xMin + 0.11; x < r.xMax; x += 0.37) {
            for (double y = r.yMin + 0.07; y < r.yMax; y += 0.41) {
                if (!NearCellBorder(dock, x, y)) points.push_back({x, y});
            }
        }
    }
    return points;
}

struct Case {
    int layout;
    int slip;  // 0 ... 4, or 5 for the custom slip of customWidth x customLength
    double customWidth, customLength;
};

std::vector<Case> AllCases() {
    std::vector<Case> cases;
    for (int layout = 1; layout <= 9; ++layout) {
        for (int slip = 0; slip < 5; ++slip) cases.push_back({layout, slip, 0, 0});
        cases.push_back({layout, 5, 18, 70});
        cases.push_back({layout, 5, 31, 100});
    }
    return cases;
}

std::unique_ptr<CKLVNDoc> LaidOut(const Case& c) {
    auto doc = MakeTestDocument(MOTORBOAT);
    if (c.slip < 5) {
        SelectSlipSize(*doc, c.slip);
    } else {
        ApplyCustomSlip(*doc, static_cast<int>(c.customWidth), static_cast<int>(c.customLength));
    }
    SelectDockLayout(*doc, c.layout);
    return doc;
}

std::string Describe(const Case& c, double x, double y) {
    char text[160];
    std::snprintf(text, sizeof text, "layout %d slip %d at (%.3f, %.3f)", c.layout, c.slip, x, y);
    return text;
}

}  // namespace

TEST(DockGeometry, CountsOfEachFamily) {
    for (const Case& c : AllCases()) {
        auto doc = LaidOut(c);
        const DockLayout& dock = doc->dock;
        const int expectRects = c.layout == 1 ? 3 : c.layout <= 5 ? 5 : 1;
        const int expectCells = c.layout == 1 ? 20 : c.layout <= 5 ? 30 : 10;
        const int expectPilings = c.layout >= 2 && c.layout <= 5 ? 0 : 6;
        EXPECT_EQ(dock.dockRectCount, expectRects) << c.layout;
        EXPECT_EQ(dock.contactCellCount, expectCells) << c.layout;
        EXPECT_EQ(dock.pilingCount, expectPilings) << c.layout;
        EXPECT_EQ(doc->settings.dockLayoutSaved, c.layout);
        for (int i = 0; i < dock.dockRectCount; ++i) {
            EXPECT_LT(dock.dockRects[i].xMin, dock.dockRects[i].xMax);
            EXPECT_LT(dock.dockRects[i].yMin, dock.dockRects[i].yMax);
        }
    }
}

// Every deck point lies in a cell of the group its zone names, the cell pushes
// it out of the deck within a pier's width, and cells overlap only in the two
// corner squares the slip tables share.
TEST(DockGeometry, CellsCoverTheDecksAndPushTowardsOpenWater) {
    for (const Case& c : AllCases()) {
        auto doc = LaidOut(c);
        const DockLayout& dock = doc->dock;
        const std::vector<Point> samples = DeckSamples(dock);
        ASSERT_GT(samples.size(), 100u);
        for (const Point& p : samples) {
            const std::string where = Describe(c, p.x, p.y);
            const std::vector<int> cells = CellsHolding(dock, p.x, p.y);
            ASSERT_FALSE(cells.empty()) << where;
            if (cells.size() > 1) {
                const bool sharedCorner =
                    c.layout >= 2 && c.layout <= 5 && cells.size() == 2 &&
                    ((cells[0] == 22 && cells[1] == 26) || (cells[0] == 20 && cells[1] == 27));
                EXPECT_TRUE(sharedCorner) << where << " cells " << cells[0] << ", " << cells[1];
            }

            const ZoneResult zone = LocateZone(dock, p.x, p.y);
            ASSERT_EQ(zone.zone, 0) << where;
            const CellDepthResult hit = CellDepth(dock, p.x, p.y, zone.group);
            ASSERT_GE(hit.cell, 0) << where << " group " << zone.group;
            const ContactCell& cell = dock.contactCells[hit.cell];
            ASSERT_TRUE(cell.pushX != 0 || cell.pushY != 0) << where;
            if (cell.pushX != 0) {
                EXPECT_EQ(hit.depthX > 0, cell.pushX > 0) << where;
            }
            if (cell.pushY != 0) {
                EXPECT_EQ(hit.depthY > 0, cell.pushY > 0) << where;
            }

            // Walk along the push: open water comes at least as soon as along
            // any other axis direction, so a point near a corner leaves
            // through the nearer face. In the two shared corner squares of the
            // slip layouts the half-width pier's cell wins and pushes along the
            // finger pier instead: there open water merely has to come.
            const double longest = dock.slipSizes[c.slip].length + 2 * W;
            const double travelled = TravelToWater(dock, p, cell.pushX, cell.pushY, longest);
            EXPECT_LT(travelled, longest) << where;
            if (cells.size() == 1) {
                const int axes[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
                for (const auto& a : axes) {
                    const double limit = travelled - 0.03;
                    EXPECT_GT(TravelToWater(dock, p, a[0], a[1], limit), limit)
                        << where << " cell " << hit.cell << " axis " << a[0] << "," << a[1];
                }
            }
        }
    }
}

TEST(DockGeometry, OpenWaterLiesInNoCellAndNoZone) {
    for (const Case& c : AllCases()) {
        auto doc = LaidOut(c);
        const DockLayout& dock = doc->dock;
        double xMin = 1e9, yMin = 1e9, xMax = -1e9, yMax = -1e9;
        for (int i = 0; i < dock.dockRectCount; ++i) {
            xMin = std::min(xMin, dock.dockRects[i].xMin);
            yMin = std::min(yMin, dock.dockRects[i].yMin);
            xMax = std::max(xMax, dock.dockRects[i].xMax);
            yMax = std::max(yMax, dock.dockRects[i].yMax);
        }
        int water = 0;
        for (double x = xMin - 5.03; x < xMax + 5; x += 0.53) {
            for (double y = yMin - 5.07; y < yMax + 5; y += 0.59) {
                if (NearAnyRect(dock, x, y, MARGIN)) continue;
                ++water;
                const std::string where = Describe(c, x, y);
                EXPECT_TRUE(CellsHolding(dock, x, y).empty()) << where;
                EXPECT_EQ(LocateZone(dock, x, y).zone, -1) << where;
            }
        }
        EXPECT_GT(water, 100);
    }
}

// The canonical numbers of each family, and where the turns leave them.
TEST(DockGeometry, PlacementOfTheTurnedLayouts) {
    for (int slip = 0; slip < 5; ++slip) {
        for (int layout = 1; layout <= 9; ++layout) {
            auto doc = LaidOut({layout, slip, 0, 0});
            const DockLayout& dock = doc->dock;
            const double S = dock.slipSizes[slip].width;
            const double L = dock.slipSizes[slip].length;
            double xMin = 1e9, xMax = -1e9, yMin = 1e9;
            for (int i = 0; i < dock.dockRectCount; ++i) {
                xMin = std::min(xMin, dock.dockRects[i].xMin);
                xMax = std::max(xMax, dock.dockRects[i].xMax);
                yMin = std::min(yMin, dock.dockRects[i].yMin);
            }
            for (int p = 0; p < dock.pilingCount; ++p) {
                xMin = std::min(xMin, dock.pilings[p].x);
                xMax = std::max(xMax, dock.pilings[p].x);
                yMin = std::min(yMin, dock.pilings[p].y);
            }
            if (layout >= 2 && layout <= 4) {
                EXPECT_DOUBLE_EQ(xMin, 0) << layout;
                EXPECT_DOUBLE_EQ(yMin, 0) << layout;
            }
            if (layout == 5) {
                EXPECT_DOUBLE_EQ(xMin, -W / 2);
                EXPECT_DOUBLE_EQ(xMax, L + W / 2);
            }
            if (layout == 3 || layout == 9) {
                EXPECT_DOUBLE_EQ(xMin, 0) << layout;
            }
            if (layout == 9) {
                // The dock's long side runs along y, the pilings stand to its left.
                const DockRect& r = dock.dockRects[0];
                EXPECT_DOUBLE_EQ(r.yMax - r.yMin, 2 * S);
                EXPECT_DOUBLE_EQ(r.xMax - r.xMin, W);
                for (int p = 0; p < dock.pilingCount; ++p) EXPECT_LT(dock.pilings[p].x, r.xMin);
            }
            if (layout == 1) {
                const double P = PILING_RADIUS;
                EXPECT_DOUBLE_EQ(dock.pilings[0].x, 2 * S + 2 * W + P);
                EXPECT_DOUBLE_EQ(dock.pilings[5].x, 3 * S + 2 * W + 3 * P);
                EXPECT_DOUBLE_EQ(dock.pilings[4].y, L / 2 + P);
                EXPECT_DOUBLE_EQ(dock.dockBounds.xMax, S + 2 * W);
                EXPECT_DOUBLE_EQ(dock.slipBoxA.xMin, W);
                EXPECT_DOUBLE_EQ(dock.slipBoxA.yMax, L);
            }
        }
    }
}

// The locator follows the turns: the slips' water stays water and the side
// lines keep selecting the side berth for group 0 and the far pier for group 2.
TEST(DockGeometry, LocatorFollowsTheTurns) {
    for (int layout = 2; layout <= 5; ++layout) {
        auto doc = LaidOut({layout, 2, 0, 0});
        const DockLayout& dock = doc->dock;
        const DockRect& leftFinger = dock.dockRects[1];
        const DockRect& rightFinger = dock.dockRects[3];
        const DockRect& halfPier = dock.dockRects[0];
        EXPECT_EQ(LocateZone(dock, (halfPier.xMin + halfPier.xMax) / 2,
                             (halfPier.yMin + halfPier.yMax) / 2)
                      .group,
                  0)
            << layout;
        EXPECT_EQ(LocateZone(dock,
                             (rightFinger.xMin + rightFinger.xMax) / 2 + (layout == 2   ? 1.0
                                                                          : layout == 4 ? -1.0
                                                                                        : 0.0),
                             (rightFinger.yMin + rightFinger.yMax) / 2 + (layout == 3   ? 1.0
                                                                          : layout == 5 ? -1.0
                                                                                        : 0.0))
                      .group,
                  2)
            << layout;
        const ZoneResult middle =
            LocateZone(dock,
                       (leftFinger.xMin + leftFinger.xMax) / 2 + (layout == 2   ? 1.0
                                                                  : layout == 4 ? -1.0
                                                                                : 0.0),
                       (leftFinger.yMin + leftFinger.yMax) / 2 + (layout == 3   ? 1.0
                                                                  : layout == 5 ? -1.0
                                                                                : 0.0));
        EXPECT_EQ(middle.group, 1) << layout;
        const bool heldInX = layout == 2 || layout == 4;
        EXPECT_EQ(dock.slipSideLines[0].y == 0, heldInX) << layout;
        EXPECT_EQ(dock.slipSideLines[0].sign, layout >= 4 ? -1.0 : 1.0) << layout;
    }
}

// A layout number from a damaged settings file keeps the geometry but still
// places the boat and saves the number.
TEST(DockGeometry, UnknownLayoutKeepsTheGeometry) {
    auto doc = LaidOut({7, 2, 0, 0});
    const DockRect before = doc->dock.dockRects[0];
    SelectDockLayout(*doc, 12);
    EXPECT_EQ(doc->dock.dockRectCount, 1);
    EXPECT_DOUBLE_EQ(doc->dock.dockRects[0].xMin, before.xMin);
    EXPECT_EQ(doc->settings.dockLayoutSaved, 12);
    EXPECT_DOUBLE_EQ(doc->state.posY, doc->boat.startY);
}
