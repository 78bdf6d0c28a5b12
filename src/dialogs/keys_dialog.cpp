#include "dialogs/keys_dialog.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "controls/key_bindings.h"
#include "controls/virtual_keys.h"
#include "dialogs/dialog_units.h"
#include "document/document.h"
#include "render/key_codes.h"

namespace {

// In dialog units.
constexpr int MARGIN = 7;
constexpr int ACTION_WIDTH = 108, KEY_WIDTH = 56, NOTE_WIDTH = 112;
constexpr int TABLE_WIDTH = ACTION_WIDTH + KEY_WIDTH + NOTE_WIDTH + 4;
constexpr int DIALOG_WIDTH = TABLE_WIDTH + 2 * MARGIN;
constexpr int ROW_HEIGHT = 10, HEADER_HEIGHT = 11;
constexpr int GAP = 4, MESSAGE_LINES_HEIGHT = 18;
constexpr int BUTTON_WIDTH = 50, BUTTON_HEIGHT = 14;

enum Column { ACTION_COLUMN, KEY_COLUMN, NOTE_COLUMN };

const char NOTE[] =
    "F1 and F2 always run / pause and stop & reset in the main view, whatever the last two "
    "rows hold. Select a row and press a key to bind it; Up, Down, Tab, Enter and Escape work "
    "this dialog.";

// The keys that move about the dialog rather than being bound.
bool WorksTheDialog(int key) {
    switch (key) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Escape:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return true;
        default:
            return false;
    }
}

QString NoteOf(KeySlotUse use, int slot) {
    switch (use) {
        case KeySlotUse::NotOnThisBoat:
            return "not on this boat";
        case KeySlotUse::StoredOnly:
            return slot == KEY_SLOT_RUN ? "always F1 in the main view"
                                        : "always F2 in the main view";
        case KeySlotUse::Applies:
            break;
    }
    return QString();
}

}  // namespace

KeysDialog::KeysDialog(QWidget* parent, CKLVNDoc& doc)
    : QDialog(parent), doc_(doc), draft_(DraftFromSettings(doc)) {
    setWindowTitle("Keys");
    setFont(DialogFont());
    Build();
    ShowKeys();
}

void KeysDialog::Build() {
    const DialogUnits du(font());
    table_ = new QTableWidget(KEY_BINDING_COUNT, 3, this);
    table_->setAccessibleName("Keys");
    table_->setAccessibleDescription("Select a row and press a key to bind it.");
    table_->setHorizontalHeaderLabels({"Action", "Key", "Note"});
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setColumnWidth(ACTION_COLUMN, du.X(ACTION_WIDTH));
    table_->setColumnWidth(KEY_COLUMN, du.X(KEY_WIDTH));
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->verticalHeader()->setMinimumSectionSize(1);
    table_->verticalHeader()->setDefaultSectionSize(du.Y(ROW_HEIGHT));
    table_->horizontalHeader()->setFixedHeight(du.Y(HEADER_HEIGHT));
    const int frame = 2 * table_->frameWidth();
    const int tableHeight = du.Y(HEADER_HEIGHT) + KEY_BINDING_COUNT * du.Y(ROW_HEIGHT) + frame;
    const int width = du.X(TABLE_WIDTH);
    int y = du.Y(MARGIN);
    table_->setGeometry(du.X(MARGIN), y, width, tableHeight);
    table_->installEventFilter(this);
    for (int slot = 0; slot < KEY_BINDING_COUNT; ++slot) {
        for (int column : {ACTION_COLUMN, KEY_COLUMN, NOTE_COLUMN}) {
            auto* item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            table_->setItem(slot, column, item);
        }
        table_->item(slot, ACTION_COLUMN)->setText(QString::fromLatin1(KeyActionName(slot)));
    }
    y += tableHeight + du.Y(GAP);

    auto* note = new QLabel(QString::fromLatin1(NOTE), this);
    note->setWordWrap(true);
    note->setGeometry(du.X(MARGIN), y, width, note->heightForWidth(width));
    y += note->height() + du.Y(GAP);

    message_ = new QLabel(this);
    message_->setWordWrap(true);
    message_->setAccessibleName("Message");
    message_->setGeometry(du.X(MARGIN), y, width, du.Y(MESSAGE_LINES_HEIGHT));
    y += message_->height() + du.Y(GAP);

    auto* defaults = new QPushButton("Defaults", this);
    auto* ok = new QPushButton("OK", this);
    auto* cancel = new QPushButton("Cancel", this);
    const int buttonWidth = du.X(BUTTON_WIDTH), buttonHeight = du.Y(BUTTON_HEIGHT);
    const int right = du.X(MARGIN) + width;
    defaults->setGeometry(du.X(MARGIN), y, buttonWidth, buttonHeight);
    cancel->setGeometry(right - buttonWidth, y, buttonWidth, buttonHeight);
    ok->setGeometry(right - 2 * buttonWidth - du.X(GAP), y, buttonWidth, buttonHeight);
    ok->setDefault(true);
    connect(defaults, &QPushButton::clicked, this, &KeysDialog::RestoreDefaults);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(du.X(DIALOG_WIDTH), y + buttonHeight + du.Y(MARGIN));
    table_->setCurrentCell(0, KEY_COLUMN);
    table_->setFocus();
}

// Every row's key, and which rows cannot act on this boat (greyed, but still
// bound as the user likes).
void KeysDialog::ShowKeys() {
    const QBrush grey = palette().brush(QPalette::Disabled, QPalette::Text);
    const QBrush normal = palette().brush(QPalette::Active, QPalette::Text);
    for (int slot = 0; slot < KEY_BINDING_COUNT; ++slot) {
        char name[24];
        DescribeVirtualKey(draft_.bindings[slot], name, sizeof name);
        const KeySlotUse use = KeySlotUseOn(doc_.boat, slot);
        table_->item(slot, KEY_COLUMN)->setText(QString::fromLatin1(name));
        table_->item(slot, NOTE_COLUMN)->setText(NoteOf(use, slot));
        for (int column : {ACTION_COLUMN, KEY_COLUMN, NOTE_COLUMN}) {
            table_->item(slot, column)->setForeground(use == KeySlotUse::Applies ? normal : grey);
        }
    }
}

QString KeysDialog::Message() const {
    return message_->text();
}

bool KeysDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched != table_ || event->type() != QEvent::KeyPress) {
        return QDialog::eventFilter(watched, event);
    }
    auto* key = static_cast<QKeyEvent*>(event);
    if (WorksTheDialog(key->key())) return false;
    if (!key->isAutoRepeat()) {
        const bool keypad = key->modifiers().testFlag(Qt::KeypadModifier);
        Bind(VirtualKeyFromQt(key->key(), keypad));
    }
    return true;
}

void KeysDialog::Bind(int code) {
    const int slot = table_->currentRow();
    if (slot < 0) {
        message_->setText("Select a row first.");
        return;
    }
    const BindingCheck check = ProposeBinding(draft_, slot, code);
    if (check.verdict != BindingVerdict::Accepted) {
        message_->setText(QString::fromLatin1(check.message));
        return;
    }
    ShowKeys();
    message_->setText(
        QString("\"%1\" is now %2.")
            .arg(QString::fromLatin1(KeyActionName(slot)), table_->item(slot, KEY_COLUMN)->text()));
}

void KeysDialog::RestoreDefaults() {
    draft_ = DefaultKeyDraft();
    ShowKeys();
    message_->setText("The default keys are back; OK keeps them.");
}

void KeysDialog::accept() {
    AcceptKeyBindings(doc_, draft_);
    QDialog::accept();
}

bool RunKeysDialog(QWidget* parent, CKLVNDoc& doc) {
    KeysDialog dialog(parent, doc);
    return dialog.exec() == QDialog::Accepted;
}
