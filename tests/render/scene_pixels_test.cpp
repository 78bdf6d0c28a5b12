#include <QImage>
#include <QTest>
#include <cmath>

#include "app/gui_fixture.h"
#include "render/north_arrow.h"

namespace {

// The water's clear colour (0.1, 0.5, 1.0) and the deck grey 0.5 as bytes.
constexpr int WATER[3] = {26, 128, 255};
constexpr int DECK[3] = {128, 128, 128};

bool Is(const QImage& image, QPoint at, const int (&colour)[3]) {
    return HasColour(image, at, colour[0], colour[1], colour[2]);
}

// The north arrow is black exactly where its bitmap is set, its lower-left
// corner 40 px from the right and 60 px from the top.
bool NorthArrowInTheCorner(const QImage& image) {
    const int left = image.width() - NORTH_ARROW_FROM_RIGHT;
    const int top = NORTH_ARROW_FROM_TOP - NORTH_ARROW_HEIGHT;
    int set = 0;
    for (int y = 0; y < NORTH_ARROW_HEIGHT; ++y) {
        for (int x = 0; x < NORTH_ARROW_WIDTH; ++x) {
            set += NorthArrowPixelSet(x, y);
            if (HasColour(image, QPoint(left + x, top + y), 0, 0, 0) != NorthArrowPixelSet(x, y))
                return false;
        }
    }
    return set > 300;
}

class ScenePixels : public WindowTest, public ::testing::WithParamInterface<int> {
protected:
    // Every dock's top shows deck grey where it projects into the view, and
    // so does the top of every piling. Returns how many were in view.
    int CheckDocksAndPilings(const QImage& image) {
        const DockLayout& dock = Doc().dock;
        int seen = 0;
        for (int i = 0; i < dock.dockRectCount + dock.pilingCount; ++i) {
            const bool deck = i < dock.dockRectCount;
            const DockRect& r = dock.dockRects[deck ? i : 0];
            const Piling& pile = dock.pilings[deck ? 0 : i - dock.dockRectCount];
            const QPoint at = deck ? ProjectWorld(0.5 * (r.xMin + r.xMax), 0.5 * (r.yMin + r.yMax),
                                                  dock.deckHeight)
                                   : ProjectWorld(pile.x, pile.y, dock.pilingHeight);
            if (!image.rect().contains(at)) continue;
            EXPECT_TRUE(Is(image, at, DECK)) << (deck ? "dock " : "piling ") << i;
            ++seen;
        }
        return seen;
    }
};

// Each boat type over the slip-and-pilings dock: what a user sees first.
TEST_P(ScenePixels, WaterDocksBoatAndNorthArrow) {
    Open(GetParam(), 1);
    const QImage image = Frame1();
    SaveScreenshot(image, "boat" + std::to_string(GetParam()));
    ASSERT_EQ(image.size(), QSize(800, 600));
    const int w = image.width(), h = image.height();

    // The boat lies south of the docks: the lower corners are open water, the
    // middle of the view (under the camera) is the boat.
    EXPECT_TRUE(Is(image, QPoint(2, h - 3), WATER) && Is(image, QPoint(w - 3, h - 3), WATER));
    EXPECT_GE(CheckDocksAndPilings(image), 4);
    for (int d : {-3, 0, 3}) {
        const QPoint at(w / 2 + d, h / 2 + d);
        EXPECT_FALSE(Is(image, at, WATER) || Is(image, at, DECK)) << d;
    }
    EXPECT_TRUE(NorthArrowInTheCorner(image));
}

using SceneResize = WindowTest;

// A new size rebuilds the projection with the zoom the user chose; the north
// arrow keeps its place from the top-right corner.
TEST_F(SceneResize, ProjectionAndNorthArrowFollowTheWindowSize) {
    Open(SAILBOAT, 1);
    QTest::keyClick(View(), Qt::Key_Minus);  // zoom in one step: 100 degrees

    Frame()->ViewContainer()->setFixedSize(500, 700);
    ASSERT_TRUE(QTest::qWaitFor([] { return Doc().camera.clientSize[0] == 500; }));
    const QImage image = Frame1();
    ASSERT_EQ(image.size(), QSize(500, 700));
    EXPECT_TRUE(NorthArrowInTheCorner(image));
    const Camera& camera = Doc().camera;
    EXPECT_TRUE(camera.savedViewport[2] == 500 && camera.savedViewport[3] == 700);
    const double f = 1.0 / std::tan(0.5 * 100.0 * 3.14159265358979 / 180.0);  // the zoom kept
    EXPECT_NEAR(camera.savedProjection[0], f * 700.0 / 500.0, 1e-6);          // new aspect
    EXPECT_TRUE(Is(image, QPoint(2, 697), WATER));
}

INSTANTIATE_TEST_SUITE_P(BoatTypes, ScenePixels, ::testing::Values(0, 1, 2));

}  // namespace
