#include "app/main_frame.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>

#include "app/gamepad_helm.h"
#include "app/lock_keys.h"
#include "app/practice_shell.h"
#include "app/shell_commands.h"
#include "app/toolbar_icons.h"
#include "dialogs/about_dialog.h"
#include "dialogs/advanced_settings_dialog.h"
#include "dialogs/boat_specifications_dialog.h"
#include "dialogs/custom_slip_dialog.h"
#include "dialogs/environment_settings_dialog.h"
#include "dialogs/keys_dialog.h"
#include "document/document.h"
#include "render/klvn_view.h"

namespace {

const char APPLICATION_TITLE[] = "Kelvane V2";
const char IDLE_STATUS_TEXT[] = "Stopped";
const char* const LOCK_PANE_NAMES[3] = {"CAP", "NUM", "SCRL"};
constexpr int START_VIEW_WIDTH = 1280;
constexpr int START_VIEW_HEIGHT = 800;
// The toolbar's pressed states follow keys and the console within this time.
constexpr int CHECK_REFRESH_MS = 100;

}  // namespace

CMainFrame::CMainFrame(CKLVNDoc& doc) : doc_(doc) {
    setWindowTitle(APPLICATION_TITLE);
    setWindowIcon(ProgramIcon());

    view_ = new CKLVNView(doc);
    container_ = QWidget::createWindowContainer(view_, this);
    container_->setFocusPolicy(Qt::StrongFocus);
    container_->setMinimumSize(64, 64);
    setCentralWidget(container_);

    gamepad_ = std::make_unique<GamepadHelm>(doc);
    practice_ = new PracticeShell(*this);
    connect(view_, &CKLVNView::tickStarting, this, [this] {
        gamepad_->Poll();
        practice_->CheckRun();
        practice_->ReplayTick();
    });
    commands_ = new ShellCommands(*this);
    BuildMenus();
    BuildToolBar();
    BuildStatusBar();
    commands_->Refresh();

    QTimer* checks = new QTimer(this);
    connect(checks, &QTimer::timeout, commands_, &ShellCommands::RefreshChecks);
    checks->start(CHECK_REFRESH_MS);
    qApp->installEventFilter(this);

    // The view starts at 1280 x 800 where the screen has room for it, else
    // the window takes four fifths of the screen.
    QSize size(START_VIEW_WIDTH, START_VIEW_HEIGHT + statusBar()->sizeHint().height() +
                                     toolBar_->sizeHint().height() +
                                     menuBar()->sizeHint().height());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize room = screen->availableSize();
        if (size.width() > room.width() || size.height() > room.height()) size = room * 4 / 5;
    }
    resize(size);
    container_->setFocus();
}

CMainFrame::~CMainFrame() {
    qApp->removeEventFilter(this);
}

void CMainFrame::BuildStatusBar() {
    // The status line changes every step while running: its pane must not
    // ask the window to lay itself out again each time.
    statusLine_ = IDLE_STATUS_TEXT;
    messagePane_ = new QLabel(statusLine_);
    messagePane_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    messagePane_->setTextFormat(Qt::PlainText);
    messagePane_->setAccessibleName(QStringLiteral("Status"));
    statusBar()->addWidget(messagePane_, 1);
    for (int i = 0; i < 3; ++i) {
        lockPanes_[i] = new QLabel(QString::fromLatin1(LOCK_PANE_NAMES[i]));
        lockPanes_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        lockPanes_[i]->setAlignment(Qt::AlignCenter);
        lockPanes_[i]->setMinimumWidth(lockPanes_[i]->fontMetrics().horizontalAdvance("SCRL") + 8);
        statusBar()->addPermanentWidget(lockPanes_[i]);
    }
    RefreshLockPanes();
}

void CMainFrame::RefreshLockPanes() {
    const LockKeys keys = ReadLockKeys();
    const bool lit[3] = {keys.capsLock, keys.numLock, keys.scrollLock};
    for (int i = 0; i < 3; ++i) {
        const bool on = keys.known && lit[i];
        if (lockPanes_[i]->isEnabled() == on) continue;
        lockPanes_[i]->setEnabled(on);
        lockPanes_[i]->setAccessibleDescription(on ? QStringLiteral("on") : QStringLiteral("off"));
    }
}

void CMainFrame::SetStatusText(int pane, const char* text) {
    if (pane != 0) return;
    statusLine_ = QString::fromLatin1(text);
    if (statusLine_ != messagePane_->text()) messagePane_->setText(statusLine_);
}

QString CMainFrame::StatusText(int pane) const {
    return pane == 0 ? messagePane_->text() : QString();
}

// A hovered menu item or button shows its prompt in the message pane; when
// the pointer leaves, the status line comes back (and a running simulation
// writes its next one there anyway).
bool CMainFrame::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        messagePane_->setText(tip.isEmpty() ? statusLine_ : tip);
        return true;
    }
    return QMainWindow::event(event);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::FocusIn:
        case QEvent::WindowActivate:
            RefreshLockPanes();
            break;
        case QEvent::ToolTip:
            // Buttons whose command has no tip show none; their prompt
            // appears in the status bar instead.
            if (watched->property("kelvaneNoTip").toBool()) return true;
            break;
        default:
            break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::RunShellCommand(CommandId id) {
    switch (id) {
        case CommandId::Exit:
            close();
            break;
        case CommandId::ViewToolbar:
            toolBar_->setVisible(!toolBar_->isVisible());
            break;
        case CommandId::ViewStatusBar:
            statusBar()->setVisible(!statusBar()->isVisible());
            break;
        case CommandId::SlipCustom:
            RunCustomSlipDialog(this, doc_);
            break;
        case CommandId::NewMotorboat:
            RunBoatSpecificationsDialog(this, doc_, BOAT_DIALOG_NEW, MOTORBOAT);
            break;
        case CommandId::NewSailboat:
            RunBoatSpecificationsDialog(this, doc_, BOAT_DIALOG_NEW, SAILBOAT);
            break;
        case CommandId::NewHouseboat:
            RunBoatSpecificationsDialog(this, doc_, BOAT_DIALOG_NEW, HOUSEBOAT);
            break;
        case CommandId::EditBoat:
            RunBoatSpecificationsDialog(this, doc_, BOAT_DIALOG_EDIT,
                                        static_cast<BoatType>(doc_.settings.currentBoatType));
            break;
        case CommandId::AdvSettings:
            RunAdvancedSettingsDialog(this, doc_);
            break;
        case CommandId::EnvironmentSettings:
            RunEnvironmentSettingsDialog(this, doc_);
            break;
        case CommandId::Keys:
            RunKeysDialog(this, doc_);
            break;
        case CommandId::Gamepad:
            gamepad_->SetEnabled(!gamepad_->Enabled());
            break;
        case CommandId::ShowBridge:
            emit bridgeRequested();
            break;
        case CommandId::Exercises:
            practice_->OpenExercises();
            break;
        case CommandId::SaveRecording:
            practice_->SaveRecordingAs();
            break;
        case CommandId::Replay:
            practice_->OpenReplay();
            break;
        case CommandId::About:
            RunAboutDialog(this, view_->OpenGlVersion(), QString::fromLocal8Bit(doc_.dataFolder));
            break;
        default:
            break;
    }
    commands_->Refresh();
}
