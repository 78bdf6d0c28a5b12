#include "app/main_frame.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>

#include "render/klvn_view.h"

namespace {

const char APPLICATION_TITLE[] = "Kelvane V2";
const char IDLE_STATUS_TEXT[] = "Stopped";
constexpr int START_VIEW_WIDTH = 1280;
constexpr int START_VIEW_HEIGHT = 800;

}  // namespace

CMainFrame::CMainFrame(CKLVNDoc& doc) {
    setWindowTitle(APPLICATION_TITLE);

    view_ = new CKLVNView(doc);
    container_ = QWidget::createWindowContainer(view_, this);
    container_->setFocusPolicy(Qt::StrongFocus);
    container_->setMinimumSize(64, 64);
    setCentralWidget(container_);

    // The status line changes every step while running: its pane must not
    // ask the window to lay itself out again each time.
    messagePane_ = new QLabel(IDLE_STATUS_TEXT);
    messagePane_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    messagePane_->setTextFormat(Qt::PlainText);
    statusBar()->addWidget(messagePane_, 1);

    // The view starts at 1280 x 800 where the screen has room for it, else
    // the window takes four fifths of the screen.
    QSize size(START_VIEW_WIDTH, START_VIEW_HEIGHT + statusBar()->sizeHint().height());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize room = screen->availableSize();
        if (size.width() > room.width() || size.height() > room.height()) size = room * 4 / 5;
    }
    resize(size);
    container_->setFocus();
}

void CMainFrame::SetStatusText(int pane, const char* text) {
    if (pane != 0) return;
    const QString next = QString::fromLatin1(text);
    if (next != messagePane_->text()) messagePane_->setText(next);
}

QString CMainFrame::StatusText(int pane) const {
    return pane == 0 ? messagePane_->text() : QString();
}
