#include "app/gui_fixture.h"

#include <QAbstractButton>
#include <QTimer>
#include <cstdlib>

#include "document/startup.h"
#include "render/gl_api.h"

namespace {

bool noDisplay = false;

// The document is large: one static instance serves every test in turn.
CKLVNDoc document;

QPoint Project(const Camera& camera, const double modelview[16], double x, double y, double z) {
    double wx = 0, wy = 0, wz = 0;
    gluProject(x, y, z, modelview, camera.savedProjection, camera.savedViewport, &wx, &wy, &wz);
    return QPoint(static_cast<int>(wx), camera.savedViewport[3] - 1 - static_cast<int>(wy));
}

}  // namespace

void SetNoDisplay() {
    noDisplay = true;
}

void QuietUserInterface::SetStatusText(const char* text) {
    if (frame) frame->SetStatusText(0, text);
}

CKLVNDoc& WindowTest::Doc() {
    return document;
}

void WindowTest::SetUp() {
    if (noDisplay) GTEST_SKIP() << "no display: run the GUI tests under xvfb-run";
}

void WindowTest::TearDown() {
    frame_.reset();
    document.ui = &ui_;
}

void WindowTest::Open(int boatType, int dockLayout, int width, int height) {
    ClearDocument(document);
    document.ui = &ui_;
    InitCamera(document);
    ApplySettingsDefaults(document);
    document.settings.currentBoatType = boatType;
    document.settings.dockLayoutSaved = dockLayout;
    BringUpDocument(document);

    frame_ = std::make_unique<CMainFrame>(document);
    ui_.frame = frame_.get();
    frame_->show();
    frame_->ViewContainer()->setFixedSize(width, height);
    frame_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame_.get()));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(View()));
    ASSERT_TRUE(QTest::qWaitFor([this] { return View()->isValid(); }));
    // The view counts device pixels: twice the widget's size on a 2x screen.
    const qreal ratio = View()->devicePixelRatio();
    const int deviceWidth = qRound(width * ratio), deviceHeight = qRound(height * ratio);
    ASSERT_TRUE(QTest::qWaitFor([deviceWidth, deviceHeight] {
        return document.camera.clientSize[0] == deviceWidth &&
               document.camera.clientSize[1] == deviceHeight;
    }));
}

void WindowTest::UseShell() {
    shell_.Attach(Frame());
    document.ui = &shell_;
}

QPoint WindowTest::ProjectWorld(double x, double y, double z) const {
    return Project(document.camera, document.camera.savedWorldModelview, x, y, z);
}

QPoint WindowTest::ProjectBoat(double x, double y, double z) const {
    return Project(document.camera, document.camera.savedBoatModelview, x, y, z);
}

void WindowTest::Click(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                       QPoint devicePixel) {
    const qreal ratio = View()->devicePixelRatio();
    QTest::mouseClick(View(), button, modifiers,
                      QPoint(qRound(devicePixel.x() / ratio), qRound(devicePixel.y() / ratio)));
}

void SaveScreenshot(const QImage& image, const std::string& name) {
    const char* folder = std::getenv("KELVANE_SCREENSHOTS");
    if (folder == nullptr || *folder == '\0') return;
    image.save(QString("%1/%2.png").arg(folder, QString::fromStdString(name)));
}

bool HasColour(const QImage& image, QPoint at, int r, int g, int b, int radius) {
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            const QPoint p = at + QPoint(dx, dy);
            if (!image.rect().contains(p)) continue;
            const QColor c = image.pixelColor(p);
            if (std::abs(c.red() - r) <= 3 && std::abs(c.green() - g) <= 3 &&
                std::abs(c.blue() - b) <= 3)
                return true;
        }
    }
    return false;
}

void ShowActive(QWidget& window, const char* screenshot) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&window] { return QApplication::activeWindow() == &window; }));
    SaveScreenshot(window.grab().toImage(), screenshot);
}

void TypeAndLeave(QLineEdit* box, const char* text, Qt::Key leave) {
    box->setFocus(Qt::TabFocusReason);
    box->selectAll();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, leave);
}

void WhenModal(std::function<void(QWidget*)> answer) {
    QTimer::singleShot(10, [answer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) return WhenModal(answer);
        answer(modal);
    });
}

void AnswerMessage(QStringList& texts, QMessageBox::StandardButton button) {
    WhenModal([&texts, button](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (box == nullptr) return;
        texts << box->text();
        box->button(button)->click();
    });
}
