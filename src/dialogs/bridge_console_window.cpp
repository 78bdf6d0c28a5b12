#include "dialogs/bridge_console_window.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "controls/key_dispatch.h"
#include "dialogs/color_button.h"
#include "dialogs/console_bar.h"
#include "dialogs/dialog_units.h"
#include "document/document.h"
#include "render/key_codes.h"

namespace {

const char CONSOLE_TITLE[] = "BRIDGE CONTROLS";
constexpr int BAR_PAGE = 10;  // only sets the thumb's length: pages move by the console's rule

QColor ToQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

QRect ToQRect(const ScreenRect& r) {
    return QRect(r.x, r.y, r.width, r.height);
}

ScreenRect ToScreenRect(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

}  // namespace

BridgeConsoleWindow::BridgeConsoleWindow(CKLVNDoc& doc, QWidget* owner)
    : QDialog(owner), console_(doc) {
    setWindowTitle(CONSOLE_TITLE);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setFont(DialogFont());
    QPalette background = palette();
    background.setColor(QPalette::Window, ToQColor(CONSOLE_BACKGROUND));
    setPalette(background);
    setAutoFillBackground(true);
    connect(this, &QDialog::finished, this, [this] { open_ = false; });
    Build();
}

void BridgeConsoleWindow::Build() {
    const DialogUnits units(font());
    const ConsoleTemplate& t = console_.Template();
    setFixedSize(units.Size(t.widthUnits, t.heightUnits));
    for (int slot = 0; slot < t.count; ++slot) {
        const ConsoleControl& control = t.controls[slot];
        const int id = control.id;
        const QString caption = QString::fromLatin1(control.caption);
        QWidget* widget = nullptr;
        switch (control.kind) {
            case ControlKind::ColourButton: {
                auto* button = new ColorButton(caption, this);
                connect(button, &QAbstractButton::clicked, this, [this, id] { Press(id); });
                widget = button;
                break;
            }
            case ControlKind::PushButton:
            case ControlKind::DefaultButton: {
                auto* button = new QPushButton(caption, this);
                button->setAutoDefault(false);
                button->setDefault(control.kind == ControlKind::DefaultButton);
                connect(button, &QAbstractButton::clicked, this, [this, id] { Press(id); });
                widget = button;
                break;
            }
            case ControlKind::VerticalBar:
            case ControlKind::HorizontalBar: {
                auto* bar = new ConsoleBar(
                    control.kind == ControlKind::VerticalBar ? Qt::Vertical : Qt::Horizontal, this);
                bar->setRange(0, 100);
                bar->setPageStep(BAR_PAGE);
                bar->setTracking(false);  // a dragged thumb acts when it is released
                connect(bar, &QAbstractSlider::actionTriggered, this,
                        [this, id](int action) { BarAction(id, action); });
                connect(bar, &QAbstractSlider::sliderReleased, this,
                        [this, id] { BarReleased(id); });
                connect(bar, &QAbstractSlider::valueChanged, this,
                        [this, id](int value) { BarValueChanged(id, value); });
                widget = bar;
                break;
            }
            case ControlKind::Heading:
            case ControlKind::Label:
            case ControlKind::Readout: {
                auto* label = new QLabel(caption, this);
                label->setTextFormat(Qt::PlainText);
                label->setAlignment(control.kind == ControlKind::Label
                                        ? Qt::AlignLeft | Qt::AlignTop
                                        : Qt::AlignHCenter | Qt::AlignTop);
                widget = label;
                break;
            }
        }
        widget->setGeometry(
            units.Rect(control.rect.x, control.rect.y, control.rect.width, control.rect.height));
        widget->setAccessibleName(QString::fromLatin1(control.accessibleName));
        widget->installEventFilter(this);
        widgets_[slot] = widget;
    }
    installEventFilter(this);
}

void BridgeConsoleWindow::Open() {
    // Beside the owner, on the owner's screen, as large as the window and the
    // frame the window system gives it.
    QWidget* owner = parentWidget();
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (owner && screen) {
        const QRect ownerFrame = owner->frameGeometry();
        const QSize decoration = ownerFrame.size() - owner->geometry().size();
        const ScreenRect placed =
            PlaceConsole(ToScreenRect(ownerFrame), ToScreenRect(screen->availableGeometry()),
                         width() + decoration.width(), height() + decoration.height());
        move(ToQRect(placed).topLeft());
    }
    console_.ShowOpening();
    Refresh();
    show();
}

void BridgeConsoleWindow::ShowEngine(int engine, int direction, int percent) {
    console_.ShowEngine(engine, direction, percent);
    Refresh();
}

void BridgeConsoleWindow::ShowRudder(int command, int percent) {
    console_.ShowRudder(command, percent);
    Refresh();
}

void BridgeConsoleWindow::ShowThruster(int command) {
    console_.ShowThruster(command);
    Refresh();
}

void BridgeConsoleWindow::ShowRunState() {
    console_.ShowRunState();
    Refresh();
}

QWidget* BridgeConsoleWindow::Control(int id) const {
    const ConsoleTemplate& t = console_.Template();
    for (int slot = 0; slot < t.count; ++slot) {
        if (t.controls[slot].id == id && id != CONSOLE_STATIC) return widgets_[slot];
    }
    return nullptr;
}

// Every widget shows what the console logic holds now. Colour states are also
// the buttons' accessible descriptions, and bar colours the bars'.
void BridgeConsoleWindow::Refresh() {
    refreshing_ = true;
    const ConsoleTemplate& t = console_.Template();
    for (int slot = 0; slot < t.count; ++slot) {
        const int id = t.controls[slot].id;
        switch (t.controls[slot].kind) {
            case ControlKind::ColourButton: {
                auto* button = static_cast<ColorButton*>(widgets_[slot]);
                const ButtonColour colour = console_.Colour(id);
                const ButtonColours colours = ColoursOf(colour);
                button->SetColours(ToQColor(colours.text), ToQColor(colours.back));
                const QString state = QString::fromLatin1(NameOf(colour));
                if (button->accessibleDescription() != state)
                    button->setAccessibleDescription(state);
                break;
            }
            case ControlKind::DefaultButton:
            case ControlKind::Readout: {
                const QString caption = QString::fromLatin1(console_.Caption(id));
                if (auto* button = qobject_cast<QPushButton*>(widgets_[slot])) {
                    if (button->text() != caption) {
                        button->setText(caption);
                        button->setAccessibleName(caption);
                    }
                } else if (auto* label = qobject_cast<QLabel*>(widgets_[slot])) {
                    if (label->text() != caption) {
                        label->setText(caption);
                        label->setAccessibleName(caption);
                    }
                }
                break;
            }
            case ControlKind::VerticalBar:
            case ControlKind::HorizontalBar: {
                auto* bar = static_cast<ConsoleBar*>(widgets_[slot]);
                const BarColour colour = console_.BarColourOf(id);
                bar->SetTroughColour(ToQColor(ColourOf(colour)));
                bar->setValue(console_.BarPosition(id));
                const QString state = QString::fromLatin1(NameOf(colour));
                if (bar->accessibleDescription() != state) bar->setAccessibleDescription(state);
                break;
            }
            default:
                break;
        }
    }
    refreshing_ = false;
}

// While a replay drives, the console shows the replay and takes no input:
// a moved bar springs back to what the document says.
bool BridgeConsoleWindow::Locked() {
    if (!console_.Document().inputLocked) return false;
    Refresh();
    return true;
}

void BridgeConsoleWindow::Press(int id) {
    if (Locked()) return;
    const PressResult result = console_.Press(id);
    Refresh();
    if (result == PressResult::Close) close();
}

// Arrows and trough give line and page notifications; every other action
// (the wheel, a drag with tracking) leaves the thumb where the program put it.
void BridgeConsoleWindow::BarAction(int id, int action) {
    if (Locked()) return;
    switch (action) {
        case QAbstractSlider::SliderSingleStepSub:
            console_.Scroll(id, BarNotification::LineUp);
            break;
        case QAbstractSlider::SliderSingleStepAdd:
            console_.Scroll(id, BarNotification::LineDown);
            break;
        case QAbstractSlider::SliderPageStepSub:
            console_.Scroll(id, BarNotification::PageUp);
            break;
        case QAbstractSlider::SliderPageStepAdd:
            console_.Scroll(id, BarNotification::PageDown);
            break;
        default:
            break;
    }
    Refresh();
}

void BridgeConsoleWindow::BarReleased(int id) {
    auto* bar = qobject_cast<QAbstractSlider*>(Control(id));
    if (Locked()) return;
    if (bar) console_.Scroll(id, BarNotification::ThumbReleased, bar->sliderPosition());
    Refresh();
}

// A value set from outside (an assistive tool sets the bar's value directly)
// counts as the thumb released there.
void BridgeConsoleWindow::BarValueChanged(int id, int value) {
    if (refreshing_ || value == console_.BarPosition(id) || Locked()) return;
    console_.Scroll(id, BarNotification::ThumbReleased, value);
    Refresh();
}

namespace {

// Tab, Shift+Tab and Space keep their meaning in a window while no driving
// key uses them, so the console's buttons (SYNC among them, which no key
// drives) can be reached and pressed from the keyboard.
bool NavigatesTheConsole(const CKLVNDoc& doc, const QKeyEvent* key) {
    const int k = key->key();
    if (k != Qt::Key_Tab && k != Qt::Key_Backtab && k != Qt::Key_Space) return false;
    return !ControlKeyActs(doc, VirtualKeyFromQt(k, false));
}

}  // namespace

// Every other key that reaches the console goes to the helm's key handling
// and goes no further: Enter and Escape do nothing to the console's own
// buttons, and shortcuts of the main window do not fire from here.
bool BridgeConsoleWindow::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::ShortcutOverride:
            event->accept();
            return true;
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (NavigatesTheConsole(console_.Document(), key)) break;
            const bool keypad = key->modifiers().testFlag(Qt::KeypadModifier);
            const int code = VirtualKeyFromQt(key->key(), keypad);
            if (code != 0 && !Locked()) console_.Key(code);
            Refresh();
            return true;
        }
        case QEvent::KeyRelease:
            if (NavigatesTheConsole(console_.Document(), static_cast<QKeyEvent*>(event))) break;
            return true;
        default:
            break;
    }
    return QDialog::eventFilter(watched, event);
}
