#include <QTest>

#include "app/gui_fixture.h"
#include "render/gl_api.h"
#include "render/render_frame.h"

namespace {

// Renders with a frame state of its own, as a program that has just started,
// and reads the picture back before it is shown.
class Indicators : public WindowTest {
protected:
    QImage Render(FrameState& frame) {
        View()->makeCurrent();
        RenderFrame(Doc(), frame);
        const int w = Doc().camera.clientSize[0], h = Doc().camera.clientSize[1];
        QImage picture(w, h, QImage::Format_RGBA8888);
        glReadBuffer(GL_BACK);
        glReadPixels(0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, picture.bits());
        FinishFrame(frame);
        View()->doneCurrent();
        return picture.mirrored();
    }
};

int CountColour(const QImage& image, int r, int g, int b) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += HasColour(image, QPoint(x, y), r, g, b);
    return count;
}

// Wind and current arrows from the second frame on, only when switched on; the
// control bars point the way the control acts: the rudder's to starboard (+x) and
// the engine's forward (+y) in green, the thruster's to port (-x) in red.
TEST_F(Indicators, ArrowsFromTheSecondFrameAndControlBarsRedAndGreen) {
    Open(MOTORBOAT, 1);
    CKLVNDoc& doc = Doc();
    doc.settings.windOn = doc.settings.currentOn = 1;
    doc.env.envValue[ENV_WIND_SPEED] = 15.0;
    doc.env.envValue[ENV_WIND_DIRECTION] = 0.0;
    doc.env.envValue[ENV_CURRENT_SPEED] = 2.0;
    doc.env.envValue[ENV_CURRENT_DIRECTION] = 90.0;
    FrameState frame = {};
    const QImage first = Render(frame);
    const QImage second = Render(frame);
    SaveScreenshot(second, "indicators");
    EXPECT_EQ(CountColour(first, 255, 0, 0) + CountColour(first, 0, 0, 255), 0);
    EXPECT_GT(CountColour(second, 255, 0, 0), 20);   // the wind arrow over the boat
    EXPECT_GT(CountColour(second, 0, 0, 255), 200);  // 81 current arrows round it
    doc.settings.windOn = doc.settings.currentOn = 0;
    const QImage off = Render(frame);
    EXPECT_EQ(CountColour(off, 255, 0, 0) + CountColour(off, 0, 0, 255), 0);

    // Rudder hard to starboard, engine full ahead, thruster to port.
    for (int k = 0; k < 9; ++k) QTest::keyClick(View(), Qt::Key_L);
    for (int k = 0; k < 8; ++k) QTest::keyClick(View(), Qt::Key_E);
    QTest::keyClick(View(), Qt::Key_U);
    ASSERT_TRUE(doc.controls.rudderAngle > 0.0 && doc.controls.thrusterThrust > 0.0);
    const QImage image = Render(frame);
    SaveScreenshot(image, "controls");
    const double *r = doc.boat.rudderDrawPoint, *t = doc.boat.thrusterDrawPoint;
    const double* prop = doc.boat.propDrawPoints[0];
    const double k = 0.8;
    auto at = [this](double x, double y, double z) { return ProjectBoat(x, y, z); };
    EXPECT_TRUE(HasColour(image, at(r[0] + k * r[3], r[1], r[2]), 0, 255, 0));
    EXPECT_FALSE(HasColour(image, at(r[0] - k * r[3], r[1], r[2]), 0, 255, 0));
    EXPECT_TRUE(HasColour(image, at(t[0] - k * t[3], t[1], t[2]), 255, 0, 0));
    EXPECT_FALSE(HasColour(image, at(t[0] + k * t[3], t[1], t[2]), 255, 0, 0));
    EXPECT_TRUE(HasColour(image, at(prop[0], prop[1] + k * prop[3], prop[2]), 0, 255, 0));
}

}  // namespace
