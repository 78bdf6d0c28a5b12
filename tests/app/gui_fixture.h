#pragma once

// Every window test drives Qt Test inside the application: both come with it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPoint>
#include <QTest>
#include <functional>
#include <memory>
#include <string>

#include "app/main_frame.h"
#include "app/shell_ui.h"
#include "common/user_interface.h"
#include "document/document.h"
#include "render/klvn_view.h"

void SetNoDisplay();

// The bell and message boxes would block or make noise: tests record them.
class QuietUserInterface : public SilentUserInterface {
public:
    void SetStatusText(const char* text) override;
    void Beep(int, int) override { ++beeps; }
    CMainFrame* frame = nullptr;
    int beeps = 0;
};

// A main window on a document brought up in memory (no files), shown and
// exposed, with its view's context ready.
class WindowTest : public ::testing::Test {
public:
    void SetUp() override;
    void TearDown() override;

    // Brings the document up for a boat type and dock layout and opens the
    // window on it; the view is sized to width x height pixels.
    void Open(int boatType, int dockLayout, int width = 800, int height = 600);

    CKLVNView* View() const { return frame_->View(); }
    CMainFrame* Frame() const { return frame_.get(); }
    QImage Frame1() { return View()->GrabFrame(); }

    // A world point (or boat-frame point) through the matrices the last frame
    // saved, as a pixel of the view counted from its top-left corner.
    QPoint ProjectWorld(double x, double y, double z) const;
    QPoint ProjectBoat(double x, double y, double z) const;

    // A click at a pixel of the frame (device pixels, as projected above),
    // sent at the window position it shows at, whatever the screen's scale.
    void Click(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint devicePixel);

    // The document speaks through the shell: message boxes, the console.
    void UseShell();

    static CKLVNDoc& Doc();
    QuietUserInterface ui_;
    ShellUserInterface shell_;
    std::unique_ptr<CMainFrame> frame_;
};

// With KELVANE_SCREENSHOTS naming a folder, the picture is saved there for a
// look by eye (never into the source tree).
void SaveScreenshot(const QImage& image, const std::string& name);

// Shows a window and waits until it is the active one, then saves its picture.
void ShowActive(QWidget& window, const char* screenshot);

// Types into a box over what it shows and leaves it with a key, as a keyboard user does.
void TypeAndLeave(QLineEdit* box, const char* text, Qt::Key leave = Qt::Key_Tab);

// Whether a pixel within radius pixels of at has the colour (r, g, b), within
// a tolerance of 3 per channel.
bool HasColour(const QImage& image, QPoint at, int r, int g, int b, int radius = 0);

// Answers the next modal window when it appears: answer gets it and closes it.
void WhenModal(std::function<void(QWidget*)> answer);

// The next message box: its text is recorded and the button pressed.
void AnswerMessage(QStringList& texts, QMessageBox::StandardButton button = QMessageBox::Ok);
